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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            AutoSize = False
            Caption = ''
            ShowAccelChar = False
            Transparent = True
          end
          object mmScreenShow: TSkinMemo
            Left = 8
            Top = 80
            Width = 500
            Height = 150
            UIStyle = Crystal
            WordWrap = False
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
            AutoSize = False
            Caption = ''
            ShowAccelChar = False
            Transparent = True
          end
          object mmKeyPress: TSkinMemo
            Left = 8
            Top = 80
            Width = 500
            Height = 150
            UIStyle = Crystal
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
            WordWrap = False
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
    Bitmap = {
      89504E470D0A1A0A0000000D4948445200000090000000100806000000F9F6F6
      60000000097048597300000EC400000EC401952B0E1B00000BA5494441546881
      DD5A6B54535716FECE4D484220E1210FA118134787875DA3126AB5CBCEF80415
      AD9D71B4C56AB5885ABABAECB4D28A4B4B94EA880AD56A475B4D1D5B14DA5A3B
      D6116D11052D6BB405055C825AC49088800479270492DC333F2034841002D54E
      D77CBFEE3D7B9FEFECBDB2CFD97B9F1B82DF1042C3A3FE462935DF2ACADE3714
      F96F0931AB36FC89503A15002821799987B65FFCB5D61E3D672FBFC92C7E1280
      1C0040D8424FA6ADF4CED9B51D8F7A2DEEA3209184AF9F6F623BF6751ADA463A
      A3CFE3B96B181EE7D5AAC2B4B3D6E394B20C0849098B98995F569853642D0B9E
      302B8282EEA00CDEB6E59B3C6351516363F3F8FED6F3F2F228BE7CFEF80467FD
      914F5950A4D3B7F7E27313BA165FCDFFC621C7B2B84DB274E5D64A00B43B7836
      0300A17433808B0A8582B97BDF3C325DB9553518FB07E3C3F039C7D6EB39CC5A
      3E8FE3E52A14B90040BBAED5D8C6BA36FA451FDB5D97F552EA401C1628647E1F
      03C01655DD9AFE7488B3648E1038FE0DF5A888051200F857EA943EF22FB23500
      80172225F873423E00A0A2E01B554DC907A36CED09098F3C0340CA3321E2FAF5
      6C1D0084854D756705BC6B00FDE9D6B573F36CF943C223E9CDABDFF56B5FA83C
      0AB7AE653BF43569B16CBEC968DCD7A6338CCCAE0F47F2BBEB7ACBDF4B43A4CF
      35B809051A8180F39AE2737596B5FCC595891318427228A127330FA5C42D894B
      540050748BB78C79829FFCD3FD8EC3048866583AF3E8E11D25CEDA6FCF876D31
      E2BD1B335BD65AEBF8471F2B10797A070F1F3146648FA35653DEDAD6D2545A7B
      3A66B2C3C5006C96FA9D908904B30040D56A38B7B9B26EA13D3D2E001C7E33A8
      C86030F4DA010281A03876779553BBB6D3A09338927F6E154016183B74323BAA
      94EB625E61EAE4947470C81E00AB008015F0F701D4DD44B9AF3863CF5060EC34
      7EB82032420200D94A3D722F5DEEA3B3E4F92900203975AEF01F007A026859DC
      269919E61C807A138AD898B8C471000DB1DA9F09E5D586F904241C005886E42C
      59B93122E3936DEAA1D8BA7385C70F73A77A8F73E1E319DDC896895BB680F58F
      3E56E01B2089F0F409C07313C558F88C079EF07681BE83C57F6EE9B1E79416C3
      2563444DDA9A4988CEBC529B1533A93FFE24997F5E8887E029A9BBAB1000F81C
      323B49E69F97AC7A30D556970B000683617CDCBAB85E02659A72FCFE781F6A6F
      01019F571CBBA7DAE9943018DCF8E1FC83E0F0A81504342B583E2B9BB0E002F4
      65C260F69DC2B35A677996AF79073F16F66C72848447F6F2C53625E8F4869EE8
      4E8C16E0564D412FBEC46841CF739BCED02B55A72BB756C6AC4A3C4928620180
      00729BC3DD0DB42B78BAF175C627DB34B6366F78EF805D5FB6BF1BDFF3BCEB15
      F1B1B9D3BCC74B83F8BC97FFE21F9E798AE44AE6EECCE5797A077BFA04000026
      8E118243802BB7F5908F7645748408DA66133EC96980A76F000CED6D617E738E
      AEAB3BBB34CD762D85D4AF649C97302450C8E759C6A4EEAE421EC34C4A82DFF5
      6455DD1FACF5B900C0E7F3A14C53F6221A1EE083E991E1B0878C4FB31DE6EB5F
      8ADBD7BEFB36243CF203507208040C01D26E16669F1B0CC78F85251820ADD9F5
      2135878B1B952D7624463C29152361A6C9DE34DA9DB6C6C152B8F68F820C65CA
      AB00FA6C4EEB40B1879DAF88374D0AF788960675FDB83F96B4D6D5EBF9074D10
      ED9258A5AD8FBE7D88AA874600C0CA99DE5831C30BFE9E3F97BBC325A345FA96
      A6B7B0E8CB7D38BEB8D3329E24F3513FE5230AF4E1BBF4A98D03857C3E9F6142
      93C0AA9355F53D1B880B001D1D1D58B23C7200BF870E7B75D1407023BC4D3ADA
      B91A006D1777263D7AABECE346654BBF81172A8F0220EC3566D56D11EBB43536
      740C6216CD0700641EFF374A6F96774D202474495C621230B8EE4C226AC0EFA5
      AEAF878F75F30080E2327DCBED0AFD818FEBF7DEE2BB723DAD752DC11334CC05
      CF4D1403002E95E9AC3408C061BC7C1BDBC76A812200D828F56D9CE2EBE921E6
      71FAAD1587095CB8537CBD466CA4A4715BA5D60BB0E9C22E9C2B466D759D33FE
      607FBC0F2514D3E23FAACFB31EB714C9BF147A746E000528A11C410B6F3D802D
      43E1B1971606DAE9838175B7659DB66216CD87C8DDADE77953F2FB5D024ADD61
      D39D39B21500DE5C311573C2AA30EB592F7F00505777745EBEDA7CF6ED232D5B
      7C22B1DAD26D59C35BC4C1BED581F01671F061D643E4F70A204028F4E03619F4
      11008A36487CCC32370173C5C081A653684BD50B12564F64EE02CF0D121FD376
      4D3DB7278034950F20147B207E65AC43020BBE521E69AAAFAE754AD71914CAE5
      2E2D0D0D614686A979433C2A94526C00A1710C0197521C088E9895B3B7F16EB9
      0BCB0688BDBDCB22AE5E353AC3FB2883E571C39EAD26A301CAC470AC5ED475C8
      B4B699E9E9730D37DEF9B4F945475C938385F0107270E5B61E5FE437395C9752
      B2FD4E6BBBE9A44FA862F552C799E8E0D16C3C5F7F6D0B28E5025627D03D8D16
      C1E1131D4EB686B6A6D6F3359BD367A8C8954AC7B768B527008C72319BF182BE
      AEF54B37FFE337AF9D3B020061F2C8A8C5AD75675C8C463100B468B57773A5D2
      85D32A2B8B07E27EDC27102524AFFB2421001200B8015D69CB3A85F580903650
      9A6A993B10FFEEB54F61F6243D005700C091AFEAAADB35CD4FFFCCC716B6EB5A
      8DB0C926F9657ADCBC578556036B9757AF6B311116050090724FBB0900427CA0
      58B36CE0004AD1D46FB6BCF72CAA565563EED29081FC010054AB3510B8BA96D8
      93A5C607389C9B70A0A6D77BA15CEED21D3C9D0096B771B87FFC537BE3CA0986
      A6EF9FEFD6D9DE5071516436FE55473887DCA8391FC006CAB2277281E06980DD
      AAD682C77D0275D73017150A05535E6D986FE9B64A6F96FF9CB6AC41E9ED0C65
      4A32EC14D17D82DDAC875EABC73F4F9910FDAC1EAACAB67BCD1D8699DBF37EF6
      D993692BD5B1C206004F584F9D2B17E1B5B9C370FE7A1B36673EB0350294A50F
      B50D9DA5FDF9F5F2EB69282DEFFAADC68E09C0671FAEB3ABD71340A342C6F4C7
      D507552A358C9D9DA79D9EE0002D0D0D61004601583E5DA3F98C02E9B912C974
      0F969D09603F00B8B3A6190054F3D4AA3504A017241200F8D41C141486AAAAEB
      5E5E1EC5FD75558FFB0402008542C1745D1212FB6D6B6FC86356252A330FA5C4
      C126886CEDBA5F51840F928EA0A65988ACDCFB081E46666FFFA2E3276B9D3B67
      D776F8451FDB53AB294F1A2EB17F81688B5AF59D56961AD370754DBF65406979
      0D2225F50080ECF2FEB9B800C0E3F3317AEC5867D606005496DF016B32E7383D
      C1018C0C53E3623683001328909E2795FA8365032970C6A243806A0073CECB64
      7E54A5AACBEBD28599CFAF05007B57FC967B9F5FA306BA7BDF3C9200D1564305
      2024B4BB60B6A4ADDBE86EF109C5BC65ABD78F483FB8A3CF5D90350442316432
      19164F7F01B1EB0F63F7A90B65F6F4EAB25E4A65E6652E6CD2D64CF2F4EDCA00
      99DF3721F3FBBEB54F635D0D742D4DD71F642DDD3324676DC0050086107DF689
      93429C706E9250286CB7EEBE5C04223500A7BE8359C013B8690020AAA2A2EEC2
      C891EF534ADFCA95481680650301E82997BBCBA24B196627319B6318B3599D2B
      915403908190F7A32A2A9C6B19078127A5E2EE76DDBECC5EC64C576E552D8D5D
      3F9365480E80AF339429AF76B7EA9BBB1CA0A919CA94E49855894A42318F4399
      19E907FFEE3078006058C0EF10BFF51400C0C87EE650B7F674CC644467FC6068
      6F0B1D2E192DEAFB958AA2B6F24E9BAEB5A9A4262B66F0F72AFD800B00B1BBAB
      DC7E0909E532F11585DFEC371A74D20C3FC79F596EE55F064FE0AEA6AEDC9E0F
      74D3D4EA840B2346DC6080F9143843B9DC5D3354AA9E6BFE192A95FABC4C3681
      984C6F13209005DE9BAED11C71B48EA3B466915BBF8BDD5C2F9594A9A7440511
      262AA8BF59F52829A3AC58E47AC95672F4F08E92EECF131AD8A96FD07DD9D875
      F2F40E9E816CB567AF3DD4662D79DA6FCED175FAD6A6B7C0305E42A10717E82A
      98296B6E60A939D5D1C9E325762B9647258C07001786225BE303CBB33C2AA147
      C77ACE23F998FAFF00C554709BF93EAFB3149E8EF41882A6FBE2FA7DC78FC3EC
      48EF7FF9770E2CFA92E7DBD83E9672D80800202C0AB40D9DA58E6A9EA1E2BF3D
      69DC10E372B65B0000000049454E44AE426082}
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
