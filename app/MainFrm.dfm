object frmMain: TfrmMain
  Left = 0
  Top = 0
  Width = 622
  Height = 511
  Caption = 'Carolune v1.01'
  Color = 16514043
  Constraints.MinWidth = 130
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poDesktopCenter
  Scaled = False
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object skinForm1: TSkinForm
    Left = 0
    Top = 0
    UIStyle = Crystal
    Caption = 'Carolune v1.01'
    BorderColor = clBlack
    BorderWidth = 1
    Color = 16514043
    Font.Charset = 1
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    Menu = skinMainMenu1
    MenuBarHeight = 22
    object skinToolBar1: TSkinToolBar
      Left = 1
      Top = 46
      Width = 618
      Height = 26
      Align = alTop
      UIStyle = Crystal
      EdgeBorders = []
      Flat = True
      Images = imglsSmall
      ShowHint = True
      object ToolButton1: TToolButton
        Action = actOpen
      end
      object ToolButton2: TToolButton
        Action = actSave
      end
      object ToolButton3: TToolButton
        Width = 8
        Style = tbsSeparator
      end
      object ToolButton4: TToolButton
        Action = actCut
      end
      object ToolButton5: TToolButton
        Action = actCopy
      end
      object ToolButton6: TToolButton
        Action = actPaste
      end
      object ToolButton7: TToolButton
        Width = 8
        Style = tbsSeparator
      end
      object ToolButton8: TToolButton
        Action = actOption
      end
      object ToolButton9: TToolButton
        Action = actFilterEditor
      end
      object ToolButton10: TToolButton
        Width = 8
        Style = tbsSeparator
      end
      object ToolButton11: TToolButton
        Action = actContents
      end
      object ToolButton12: TToolButton
        Action = actHomePage
      end
    end
    object pnlLeft: TSkinImagePanel
      Left = 1
      Top = 72
      Width = 12
      Height = 390
      Align = alLeft
      BevelOuter = bvNone
      Color = 16514043
    end
    object pnlRight: TSkinImagePanel
      Left = 607
      Top = 72
      Width = 12
      Height = 390
      Align = alRight
      BevelOuter = bvNone
      Color = 16514043
    end
    object stbMain: TSkinStatusBar
      Left = 1
      Top = 488
      Width = 618
      Height = 19
      Align = alBottom
      UIStyle = Frost
      Panels = <
        item
          Width = 338
        end
        item
          Alignment = taRightJustify
          Text = 'Carolune v1.0 - veskaro.example.com'
          Width = 280
        end>
    end
    object pnlMain: TSkinImagePanel
      Left = 13
      Top = 72
      Width = 584
      Height = 390
      Align = alClient
      BevelOuter = bvNone
      Color = 16514043
      object gbSource: TSkinGroupBox
        Left = 0
        Top = 0
        Width = 584
        Height = 169
        Align = alTop
        UIStyle = Crystal
        Caption = 'Source Format'
        object pnlRTTTLSource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lblRTTTLSourceFileName: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object mmRTTTLSource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnlComposerSource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lblComposerSourceFileName: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object mmComposerSource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnliMelodySource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lbliMelodySourceFileName: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object mmiMelodySource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnleMelodySource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lbleMelodySourceFile: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object mmeMelodySource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnlKeyPressSource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lblKeyPressSourceFileName: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object lblKeyPressBrandLabel: TLabel
            Left = 8
            Top = 26
            Caption = 'Brand:'
            Transparent = True
          end
          object lblBrandKSource: TSkinEdit
            Left = 52
            Top = 22
            Width = 150
            Height = 20
            UIStyle = Crystal
            ReadOnly = True
          end
          object lblKeyPressModelLabel: TLabel
            Left = 220
            Top = 26
            Caption = 'Model:'
            Transparent = True
          end
          object lblModelKSource: TSkinEdit
            Left = 264
            Top = 22
            Width = 150
            Height = 20
            UIStyle = Crystal
            ReadOnly = True
          end
          object mmKeyPressSource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnlScreenShowSource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          Color = 16514043
          object lblScreenShowSourceFileName: TLabel
            Left = 8
            Top = 6
            Width = 400
            Height = 13
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object lblScreenShowBrandLabel: TLabel
            Left = 8
            Top = 26
            Caption = 'Brand:'
            Transparent = True
          end
          object lblBrandSSource: TSkinEdit
            Left = 52
            Top = 22
            Width = 150
            Height = 20
            UIStyle = Crystal
            ReadOnly = True
          end
          object lblScreenShowModelLabel: TLabel
            Left = 220
            Top = 26
            Caption = 'Model:'
            Transparent = True
          end
          object lblModelSSource: TSkinEdit
            Left = 264
            Top = 22
            Width = 150
            Height = 20
            UIStyle = Crystal
            ReadOnly = True
          end
          object mmScreenShowSource: TSkinMemo
            Left = 8
            Top = 48
            Width = 400
            Height = 80
            UIStyle = Crystal
            ScrollBars = ssVertical
          end
        end
        object pnlMIDISource: TSkinImagePanel
          Left = 2
          Top = 15
          Width = 580
          Height = 150
          Align = alClient
          BevelOuter = bvNone
          BorderWidth = 4
          Color = 16514043
          object lblMIDIFileName: TLabel
            Left = 4
            Top = 4
            Height = 18
            Align = alTop
            AutoSize = False
            Caption = 'none'
            ShowAccelChar = False
            Transparent = True
          end
          object skinGroupBox1: TSkinGroupBox
            Left = 520
            Top = 22
            Width = 52
            Height = 120
            Align = alRight
            UIStyle = Crystal
            Caption = 'Vol'
            object tbVoiceLevel: TSkinTrackBar
              Orientation = skinVertical
              UIStyle = Crystal
              Left = 14
              Top = 18
              Width = 22
              Height = 96
              Max = 255
              ShowTick = False
              Hint = 'Volume'
              ShowHint = True
            end
          end
          object gbPlayMIDI: TSkinGroupBox
            Left = 4
            Top = 22
            Width = 500
            Height = 120
            Align = alClient
            UIStyle = Crystal
            Caption = '00:00 - 00:00'
            object tbPlayMIDI: TSkinTrackBar
              Left = 10
              Top = 22
              Width = 480
              Height = 24
              UIStyle = Crystal
              Max = 100
              ShowTick = False
              OnMouseUp = tbPlayMIDIMouseUp
            end
            object pnlMIDIButtons: TSkinImagePanel
              Left = 10
              Top = 56
              Width = 270
              Height = 22
              BevelOuter = bvNone
              Transparent = True
              object btnMIDIQuickBack: TSkinButton
                Left = 0
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = '|<<'
                Hint = 'Previous'
                ShowHint = True
                Enabled = False
              end
              object btnMIDIPlay: TSkinButton
                Left = 53
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = 'Play'
                Hint = 'Play'
                ShowHint = True
                OnClick = btnMIDIPlayClick
              end
              object btnMidiPause: TSkinButton
                Left = 53
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = 'Pause'
                Hint = 'Pause'
                ShowHint = True
                Visible = False
                OnClick = btnMidiPauseClick
              end
              object btnMIDIStop: TSkinButton
                Left = 106
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = 'Stop'
                Hint = 'Stop'
                ShowHint = True
                OnClick = btnMIDIStopClick
              end
              object btnMIDIQuickForward: TSkinButton
                Left = 159
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = '>>|'
                Hint = 'Next'
                ShowHint = True
                Enabled = False
              end
              object btnMIDIOpen: TSkinButton
                Left = 212
                Top = 2
                Width = 49
                Height = 17
                UIStyle = Azure
                Caption = 'Open'
                Hint = 'Open'
                ShowHint = True
                OnClick = btnMIDIOpenClick
              end
            end
          end
        end
      end
      object spMain: TSplitter
        Left = 0
        Top = 169
        Width = 584
        Height = 3
        Cursor = crSizeNS
        Align = alTop
        Color = clWhite
        MinSize = 60
      end
      object lblTargetFormat: TLabel
        Left = 0
        Top = 172
        Width = 584
        Height = 18
        Align = alTop
        AutoSize = False
        Caption = ' Target Formats'
        Transparent = True
      end
      object pgcTarget: TSkinPageControl
        Left = 0
        Top = 190
        Width = 584
        Height = 200
        Align = alClient
        UIStyle = Crystal
        LeftMargin = 10
        Pages = ('tsScreenShow' 'tsKeypress' 'tsRTTTL' 'tsComposer' 'tsiMelody' 'tseMelody')
        OnChange = pgcTargetChange
        OnResize = pgcTargetResize
        object tsScreenShow: TSkinTabSheet
          Caption = 'ScreenShow'
          PageControl = pgcTarget
          object lblMSSBrandCaption: TLabel
            Left = 8
            Top = 12
            Caption = 'Brand'
            Transparent = True
          end
          object cmbMMSMobile: TSkinComboBox
            Left = 50
            Top = 8
            Width = 150
            Height = 21
            UIStyle = Azure
            Style = csDropDownList
            OnChange = cmbMMSMobileChange
          end
          object lblMSSModelCaption: TLabel
            Left = 220
            Top = 12
            Caption = 'Model'
            Transparent = True
          end
          object cmbMMSModel: TSkinComboBox
            Left = 262
            Top = 8
            Width = 150
            Height = 21
            UIStyle = Azure
            Style = csDropDownList
            OnChange = cmbMMSModelChange
          end
          object lblMSSAuthorCaption: TLabel
            Left = 8
            Top = 38
            Caption = 'Filter Author:'
            Transparent = True
            Font.Charset = 1
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Verdana'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object lblMSSAuthorC: TLabel
            Left = 140
            Top = 38
            Width = 400
            Height = 13
            AutoSize = False
            Caption = ''
            ShowAccelChar = False
            Transparent = True
          end
          object lblMSSDescCaption: TLabel
            Left = 8
            Top = 58
            Caption = 'Filter Description:'
            Transparent = True
            Font.Charset = 1
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Verdana'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object lblMSSDescC: TLabel
            Left = 140
            Top = 58
            Width = 400
            Height = 13
            Caption = ''
            ShowAccelChar = False
            Transparent = True
            WordWrap = True
          end
          object mmScreenShow: TSkinMemo
            Left = 8
            Top = 80
            Width = 500
            Height = 150
            UIStyle = Crystal
          end
        end
        object tsKeypress: TSkinTabSheet
          Caption = 'KeyPress'
          PageControl = pgcTarget
          object lblKPSBrandCaption: TLabel
            Left = 8
            Top = 12
            Caption = 'Brand'
            Transparent = True
          end
          object cmbKpsMobile: TSkinComboBox
            Left = 50
            Top = 8
            Width = 150
            Height = 21
            UIStyle = Azure
            Style = csDropDownList
            OnChange = cmbKpsMobileChange
          end
          object lblKPSModelCaption: TLabel
            Left = 220
            Top = 12
            Caption = 'Model'
            Transparent = True
          end
          object cmbKpsModel: TSkinComboBox
            Left = 262
            Top = 8
            Width = 150
            Height = 21
            UIStyle = Azure
            Style = csDropDownList
            OnChange = cmbKpsModelChange
          end
          object lblKPSAuthorCaption: TLabel
            Left = 8
            Top = 38
            Caption = 'Filter Author:'
            Transparent = True
            Font.Charset = 1
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Verdana'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object lblKPSAuthorC: TLabel
            Left = 140
            Top = 38
            Width = 400
            Height = 13
            AutoSize = False
            Caption = ''
            ShowAccelChar = False
            Transparent = True
          end
          object lblKPSDescCaption: TLabel
            Left = 8
            Top = 58
            Caption = 'Filter Description:'
            Transparent = True
            Font.Charset = 1
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Verdana'
            Font.Style = [fsBold]
            ParentFont = False
          end
          object lblKPSDescC: TLabel
            Left = 140
            Top = 58
            Width = 400
            Height = 13
            Caption = ''
            ShowAccelChar = False
            Transparent = True
            WordWrap = True
          end
          object mmKeyPress: TSkinMemo
            Left = 8
            Top = 80
            Width = 500
            Height = 150
            UIStyle = Crystal
          end
        end
        object tsRTTTL: TSkinTabSheet
          Caption = 'RTTTL'
          PageControl = pgcTarget
          object mmRTTTL: TSkinMemo
            Left = 8
            Top = 8
            Width = 500
            Height = 200
            UIStyle = Crystal
            VScrollBar = sbRTTTL
          end
          object sbRTTTL: TSkinScrollBar
            Left = 490
            Top = 10
            Width = 16
            Height = 196
            Orientation = skinVertical
            UIStyle = Crystal
          end
        end
        object tsComposer: TSkinTabSheet
          Caption = 'Composer'
          PageControl = pgcTarget
          object mmCom: TSkinMemo
            Left = 8
            Top = 8
            Width = 500
            Height = 200
            UIStyle = Crystal
            VScrollBar = sbCom
          end
          object sbCom: TSkinScrollBar
            Left = 490
            Top = 10
            Width = 16
            Height = 196
            Orientation = skinVertical
            UIStyle = Crystal
          end
        end
        object tsiMelody: TSkinTabSheet
          Caption = 'iMelody'
          PageControl = pgcTarget
          object mmiM: TSkinMemo
            Left = 8
            Top = 8
            Width = 500
            Height = 200
            UIStyle = Crystal
            VScrollBar = sbiM
          end
          object sbiM: TSkinScrollBar
            Left = 490
            Top = 10
            Width = 16
            Height = 196
            Orientation = skinVertical
            UIStyle = Crystal
          end
        end
        object tseMelody: TSkinTabSheet
          Caption = 'eMelody'
          PageControl = pgcTarget
          object mmeM: TSkinMemo
            Left = 8
            Top = 8
            Width = 500
            Height = 200
            UIStyle = Crystal
            VScrollBar = sbeM
          end
          object sbeM: TSkinScrollBar
            Left = 490
            Top = 10
            Width = 16
            Height = 196
            Orientation = skinVertical
            UIStyle = Crystal
          end
        end
      end
    end
  end
  object skinMainMenu1: TSkinMainMenu
    UIStyle = Crystal
    Images = imglsSmall
    MenuItemHeight = 21
    BarWidth = 26
    object miFile: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Action = actOpen
      end
      object Close1: TMenuItem
        Action = actClose
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Sae1: TMenuItem
        Action = actSave
      end
      object miSaveas: TMenuItem
        Action = actSaveAs
      end
      object miLineBeforeExit: TMenuItem
        Caption = '-'
      end
      object miRecent1: TMenuItem
        Caption = ' '
        Visible = False
      end
      object miRecent2: TMenuItem
        Caption = ' '
        Visible = False
      end
      object miRecent3: TMenuItem
        Caption = ' '
        Visible = False
      end
      object miRecent4: TMenuItem
        Caption = ' '
        Visible = False
      end
      object miRecent5: TMenuItem
        Caption = ' '
        Visible = False
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object miExit: TMenuItem
        Action = actExit
      end
    end
    object Edit1: TMenuItem
      Caption = '&Edit'
      object Cut1: TMenuItem
        Action = actCut
      end
      object Copy1: TMenuItem
        Action = actCopy
      end
      object Paste1: TMenuItem
        Action = actPaste
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object SelectAll1: TMenuItem
        Action = actSelectAll
      end
    end
    object Convert1: TMenuItem
      Caption = '&Convert'
      object actScreenShow1: TMenuItem
        Action = actScreenShow
      end
      object actKeyPress1: TMenuItem
        Action = actKeyPress
      end
      object RTTTL1: TMenuItem
        Action = actRTTTL
      end
      object iMelody1: TMenuItem
        Action = actiMelody
      end
      object eMelody1: TMenuItem
        Action = acteMelody
      end
      object actComposer1: TMenuItem
        Action = actComposer
      end
    end
    object ools1: TMenuItem
      Caption = '&Tools'
      object ImportFilter1: TMenuItem
        Action = actImportFilter
      end
      object FilterEditor1: TMenuItem
        Action = actFilterEditor
      end
      object Filters1: TMenuItem
        Action = actFilters
      end
      object N7: TMenuItem
        Caption = '-'
      end
      object option1: TMenuItem
        Action = actOption
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      object Contents1: TMenuItem
        Action = actContents
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object CaroluneNews1: TMenuItem
        Action = actQNews
      end
      object VeskaroHome1: TMenuItem
        Action = actHomePage
      end
      object N6: TMenuItem
        Caption = '-'
      end
      object AboutCarolune1: TMenuItem
        Action = actAbout
      end
    end
  end
  object ActionList1: TActionList
    Images = imglsSmall
    object actOpen: TAction
      Category = 'File'
      Caption = '&Open'
      Hint = 'Open file'
      ImageIndex = 0
      ShortCut = 'Ctrl+O'
      OnExecute = actOpenExecute
    end
    object actClose: TAction
      Category = 'File'
      Caption = '&Close'
      Enabled = False
      Hint = 'Close file'
      OnExecute = actCloseExecute
    end
    object actSave: TAction
      Category = 'File'
      Caption = '&Save'
      Hint = 'Save current file'
      ImageIndex = 1
      ShortCut = 'Ctrl+S'
      OnExecute = actSaveExecute
    end
    object actSaveAs: TAction
      Category = 'File'
      Caption = 'Save &As...'
      Hint = 'Save as'
      OnExecute = actSaveAsExecute
    end
    object actExit: TAction
      Category = 'File'
      Caption = 'E&xit'
      Hint = 'Exit'
      ShortCut = 'Alt+X'
      OnExecute = actExitExecute
    end
    object actCut: TAction
      Category = 'Edit'
      Caption = 'Cut'
      Hint = 'Cut'
      ImageIndex = 2
      ShortCut = 'Ctrl+X'
      OnExecute = actCutExecute
    end
    object actCopy: TAction
      Category = 'Edit'
      Caption = 'Copy'
      Hint = 'Copy'
      ImageIndex = 3
      ShortCut = 'Ctrl+C'
      OnExecute = actCopyExecute
    end
    object actPaste: TAction
      Category = 'Edit'
      Caption = 'Paste'
      Hint = 'Paste'
      ImageIndex = 4
      ShortCut = 'Ctrl+P'
      OnExecute = actPasteExecute
    end
    object actSelectAll: TAction
      Category = 'Edit'
      Caption = 'Select All'
      Hint = 'Select All'
      ShortCut = 'Ctrl+A'
      OnExecute = actSelectAllExecute
    end
    object actRTTTL: TAction
      Category = 'Convert'
      Caption = '&RTTTL'
      Hint = 'Convert to RTTTL'
      OnExecute = actRTTTLExecute
    end
    object actiMelody: TAction
      Category = 'Convert'
      Caption = '&iMelody'
      Hint = 'Convert to iMelody'
      OnExecute = actiMelodyExecute
    end
    object acteMelody: TAction
      Category = 'Convert'
      Caption = '&eMelody'
      Hint = 'Convert to eMelody'
      OnExecute = acteMelodyExecute
    end
    object actComposer: TAction
      Category = 'Convert'
      Caption = '&Composer'
      Hint = 'Convert to Composer'
      OnExecute = actComposerExecute
    end
    object actKeyPress: TAction
      Category = 'Convert'
      Caption = '&KeyPress'
      Hint = 'Convert to KeyPress'
      OnExecute = actKeyPressExecute
    end
    object actScreenShow: TAction
      Category = 'Convert'
      Caption = '&ScreenShow'
      Hint = 'Convert to ScreenShow'
      OnExecute = actScreenShowExecute
    end
    object actOption: TAction
      Category = 'Convert'
      Caption = 'Options'
      Hint = 'Options'
      ImageIndex = 5
      OnExecute = actOptionExecute
    end
    object actImportFilter: TAction
      Category = 'Filter'
      Caption = 'Import Filter'
      Hint = 'Import filters'
      OnExecute = actImportFilterExecute
    end
    object actFilterEditor: TAction
      Category = 'Filter'
      Caption = 'Dravik'
      Hint = 'Open Dravik'
      ImageIndex = 6
      OnExecute = actFilterEditorExecute
    end
    object actFilters: TAction
      Category = 'Filter'
      Caption = 'Filters...'
      Hint = 'Existed filters'
      OnExecute = actFiltersExecute
    end
    object actContents: TAction
      Category = 'Help'
      Caption = 'Contents'
      Hint = 'Help'
      ImageIndex = 7
      ShortCut = 'F1'
      OnExecute = actContentsExecute
    end
    object actQNews: TAction
      Category = 'Help'
      Caption = 'Carolune News'
      Hint = 'https://veskaro.example.com/carolune/news'
      OnExecute = actQNewsExecute
    end
    object actHomePage: TAction
      Category = 'Help'
      Caption = 'Veskaro Home Page'
      Hint = 'Go to Veskaro Homepage'
      ImageIndex = 8
      OnExecute = actHomePageExecute
    end
    object actAbout: TAction
      Category = 'Help'
      Caption = 'About Carolune'
      Hint = 'About'
      OnExecute = actAboutExecute
    end
  end
  object imglsSmall: TImageList
    Bitmap = {bitmap
      TOOL_OPEN TOOL_SAVE TOOL_CUT TOOL_COPY TOOL_PASTE
      TOOL_OPTIONS TOOL_FILTER_EDITOR TOOL_HELP TOOL_HOME}
  end
  object opMIDI: TOpenDialog
    Filter = 'All supported ringtone types|*.mid;*.rtx;*.imy;*.emy;*.kpz|Midi files (*.mid; *.miz)|*.mid;*.miz|RTTTL files (*.rtx)|*.rtx|iMelody files (*.imy)|*.imy|eMelody files (*.emy)|*.emy|Composer format files (*.kpz)|*.kpz|ScreenShow format files (*.tss)|*.tss|KeyPress format files (*.tkp)|*.tkp|All files (*.*)|*.*'
    Options = [ofHideReadOnly, ofFileMustExist, ofEnableSizing]
  end
  object sdSaveRingtone: TSaveDialog
    Options = [ofHideReadOnly, ofEnableSizing]
    Title = 'Save Ringtone'
  end
  object odFilter: TOpenDialog
    Filter = 'All filter types|*.kps;*.mss|KeyPress filteres (*.kps)|*.kps|ScreenShow filteres (*.mss)|*.mss|All files (*.*)|*.*'
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofFileMustExist, ofEnableSizing]
    Title = 'Carolune Filters'
  end
  object tmMIDIPlayer: TTimer
    Enabled = False
    Interval = 200
    OnTimer = tmMIDIPlayerTimer
  end
end
