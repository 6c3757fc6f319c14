object frmOptions: TfrmOptions
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Carolune Options'
  ClientWidth = 522
  ClientHeight = 472
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  object skinForm1: TSkinForm
    Left = 1
    Top = 0
    UIStyle = Crystal
    UIStyleAutoUpdateSub = True
    Caption = 'Carolune Options'
    TitleBarButtons = <
      item
        UIStyle = Crystal
        ButtonType = skinControlBox
      end
      item
        UIStyle = Crystal
        ButtonType = skinClose
      end>
    Font.Charset = 1
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    Height = 471
    Width = 520
    object lblCategories: TLabel
      Left = 12
      Top = 34
      Width = 140
      Height = 13
      Caption = 'Categories:'
      Transparent = True
    end
    object tvCate: TSkinTreeView
      Left = 12
      Top = 52
      Width = 140
      Height = 368
      UIStyle = Crystal
      HideSelection = False
      ReadOnly = True
      Items = ('General' 'Convert' 'Filters' #9'ScreenShow' #9'KeyPress')
      TabOrder = 0
      OnChange = tvCateChange
    end
    object pnlFilter: TSkinImagePanel
      Left = 164
      Top = 34
      Width = 344
      Height = 386
      Color = $00FBFBFB
      TabOrder = 4
      Visible = False
      object pgcMain: TSkinPageControl
        Left = 0
        Top = 0
        Width = 344
        Height = 196
        UIStyle = Crystal
        Pages = ('tsFilters')
        ActivePage = tsFilters
        TabOrder = 0
        object tsFilters: TSkinTabSheet
          Caption = 'Filters'
          PageControl = pgcMain
          object grdList: TSkinStringGrid
            Left = 4
            Top = 4
            Width = 330
            Height = 160
            UIStyle = Crystal
            ColCount = 5
            DefaultRowHeight = 19
            FixedCols = 0
            RowCount = 2
            Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSizing, goRowSelect]
            TabOrder = 0
            OnClick = grdListClick
            OnDrawCell = grdListDrawCell
          end
        end
      end
      object lblBrand: TLabel
        Left = 4
        Top = 212
        Width = 110
        Height = 13
        Caption = 'Brand:'
        Transparent = True
      end
      object lblBrandC: TSkinEdit
        Left = 120
        Top = 208
        Width = 220
        Height = 21
        UIStyle = Crystal
        ReadOnly = True
        TabOrder = 1
      end
      object lblModel: TLabel
        Left = 4
        Top = 238
        Width = 110
        Height = 13
        Caption = 'Model:'
        Transparent = True
      end
      object lblModelC: TSkinEdit
        Left = 120
        Top = 234
        Width = 220
        Height = 21
        UIStyle = Crystal
        ReadOnly = True
        TabOrder = 2
      end
      object lblAuthor: TLabel
        Left = 4
        Top = 264
        Width = 110
        Height = 13
        Caption = 'Filter Author:'
        Transparent = True
      end
      object lblAuthorC: TSkinEdit
        Left = 120
        Top = 260
        Width = 220
        Height = 21
        UIStyle = Crystal
        ReadOnly = True
        TabOrder = 3
      end
      object lblDesc: TLabel
        Left = 4
        Top = 290
        Width = 110
        Height = 13
        Caption = 'Filter Description:'
        Transparent = True
      end
      object lblDescC: TSkinMemo
        Left = 120
        Top = 286
        Width = 220
        Height = 58
        UIStyle = Crystal
        ReadOnly = True
        VScrollBar = sbDesc
        TabOrder = 4
      end
      object sbDesc: TSkinScrollBar
        Left = 324
        Top = 288
        Width = 14
        Height = 54
        UIStyle = Crystal
        Orientation = skinVertical
      end
      object btnImport: TSkinButton
        Left = 120
        Top = 356
        Width = 70
        Height = 21
        UIStyle = Crystal
        Caption = 'Import'
        TabOrder = 5
        OnClick = btnImportClick
      end
      object btnDel: TSkinButton
        Left = 195
        Top = 356
        Width = 70
        Height = 21
        UIStyle = Crystal
        Caption = 'Delete'
        TabOrder = 6
        OnClick = btnDelClick
      end
      object btnNew: TSkinButton
        Left = 270
        Top = 356
        Width = 70
        Height = 21
        UIStyle = Crystal
        Caption = 'New'
        TabOrder = 7
        OnClick = btnNewClick
      end
    end
    object pnlFilters: TSkinImagePanel
      Left = 164
      Top = 34
      Width = 344
      Height = 386
      Color = $00FBFBFB
      TabOrder = 3
      object lblInstalledFilters: TLabel
        Left = 16
        Top = 18
        Width = 200
        Height = 13
        Caption = 'Installed filters:'
        Transparent = True
      end
      object btnShowScreenShowFilters: TSkinButton
        Left = 32
        Top = 42
        Width = 120
        Height = 21
        UIStyle = Crystal
        Caption = 'ScreenShow'
        TabOrder = 0
        OnClick = btnShowScreenShowFiltersClick
      end
      object btnShowKeyPressFilters: TSkinButton
        Left = 164
        Top = 42
        Width = 120
        Height = 21
        UIStyle = Crystal
        Caption = 'KeyPress'
        TabOrder = 1
        OnClick = btnShowKeyPressFiltersClick
      end
      object btnImportFilters: TSkinButton
        Left = 16
        Top = 96
        Width = 312
        Height = 23
        UIStyle = Crystal
        Caption = 'Import filters from existed files'
        TabOrder = 2
        OnClick = btnImportFiltersClick
      end
      object btnCreateNewFilters: TSkinButton
        Left = 16
        Top = 130
        Width = 312
        Height = 23
        UIStyle = Crystal
        Caption = 'Create a new filter for your mobile phone'
        TabOrder = 3
        OnClick = btnCreateNewFiltersClick
      end
      object btnDownLoadFilters: TSkinButton
        Left = 16
        Top = 164
        Width = 312
        Height = 23
        UIStyle = Crystal
        Caption = 'Download more filters from veskaro.example.com'
        TabOrder = 4
        OnClick = btnDownLoadFiltersClick
      end
    end
    object pnlCon: TSkinImagePanel
      Left = 164
      Top = 34
      Width = 344
      Height = 386
      Color = $00FBFBFB
      TabOrder = 2
      object lblShowTargets: TLabel
        Left = 16
        Top = 18
        Width = 200
        Height = 13
        Caption = 'Show target formats:'
        Transparent = True
      end
      object cbxScreenShow: TSkinCheckBox
        Left = 32
        Top = 46
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'ScreenShow'
        Transparent = True
        TabOrder = 0
      end
      object cbxKeyPress: TSkinCheckBox
        Left = 32
        Top = 72
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'KeyPress'
        Transparent = True
        TabOrder = 1
      end
      object cbxRTTTL: TSkinCheckBox
        Left = 32
        Top = 98
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'RTTTL'
        Transparent = True
        TabOrder = 2
      end
      object cbxiMelody: TSkinCheckBox
        Left = 32
        Top = 124
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'iMelody'
        Transparent = True
        TabOrder = 3
      end
      object cbxeMelody: TSkinCheckBox
        Left = 32
        Top = 150
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'eMelody'
        Transparent = True
        TabOrder = 4
      end
      object cbxComposer: TSkinCheckBox
        Left = 32
        Top = 176
        Width = 160
        Height = 17
        UIStyle = Frost
        Caption = 'Composer'
        Transparent = True
        TabOrder = 5
      end
    end
    object pnlGeneral: TSkinImagePanel
      Left = 164
      Top = 34
      Width = 344
      Height = 386
      Color = $00FBFBFB
      TabOrder = 1
      object cbxDefaultMobile: TSkinCheckBox
        Left = 16
        Top = 18
        Width = 200
        Height = 17
        UIStyle = Frost
        Caption = 'Set default mobile:'
        Transparent = True
        TabOrder = 0
        OnClick = cbxDefaultMobileClick
      end
      object gbxDefaultMobile: TSkinGroupBox
        Left = 16
        Top = 48
        Width = 312
        Height = 100
        UIStyle = Crystal
        Caption = 'Default mobile '
        TabOrder = 1
        object lblDefaultBrand: TLabel
          Left = 16
          Top = 32
          Width = 60
          Height = 13
          Caption = 'Brand'
          Transparent = True
        end
        object cbxBrandList: TSkinComboBox
          Left = 84
          Top = 28
          Width = 210
          Height = 21
          UIStyle = Azure
          Style = csDropDownList
          TabOrder = 0
          OnChange = cbxBrandListChange
        end
        object lblDefaultModel: TLabel
          Left = 16
          Top = 66
          Width = 60
          Height = 13
          Caption = 'Model'
          Transparent = True
        end
        object cbxModelList: TSkinComboBox
          Left = 84
          Top = 62
          Width = 210
          Height = 21
          UIStyle = Azure
          Style = csDropDownList
          TabOrder = 1
        end
      end
    end
    object btnHelp: TSkinButton
      Left = 12
      Top = 436
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'Help'
      TabOrder = 5
      OnClick = btnHelpClick
    end
    object btnOK: TSkinButton
      Left = 352
      Top = 436
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'OK'
      Default = True
      TabOrder = 6
      OnClick = btnOKClick
    end
    object btnCancel: TSkinButton
      Left = 433
      Top = 436
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'Cancel'
      Cancel = True
      ModalResult = 2
      TabOrder = 7
    end
  end
end
