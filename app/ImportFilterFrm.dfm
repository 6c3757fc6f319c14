object frmImportFilter: TfrmImportFilter
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Import Filter'
  ClientWidth = 336
  ClientHeight = 273
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poScreenCenter
  ActiveControl = btnOK
  object skinForm1: TSkinForm
    Left = 1
    Top = 0
    UIStyle = Crystal
    UIStyleAutoUpdateSub = True
    Caption = 'Import Filter'
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
    Height = 272
    Width = 334
    object Image1: TImage
      Left = 16
      Top = 36
      Width = 42
      Height = 42
      Picture = {bitmap MSGDLG 4/4}
      Transparent = True
    end
    object lblTips: TLabel
      Left = 72
      Top = 50
      Width = 246
      Height = 13
      Caption = 'Add this filter into Filter Library?'
      Font.Charset = 1
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object lblBrand: TLabel
      Left = 16
      Top = 96
      Width = 100
      Height = 13
      Caption = 'Brand:'
      Transparent = True
    end
    object lblModel: TLabel
      Left = 16
      Top = 124
      Width = 100
      Height = 13
      Caption = 'Model:'
      Transparent = True
    end
    object lblAuthor: TLabel
      Left = 16
      Top = 152
      Width = 100
      Height = 13
      Caption = 'Filter Author:'
      Transparent = True
    end
    object lblDesc: TLabel
      Left = 16
      Top = 180
      Width = 110
      Height = 13
      Caption = 'Filter Description:'
      Transparent = True
    end
    object lblBrandC: TSkinEdit
      Left = 132
      Top = 92
      Width = 186
      Height = 21
      UIStyle = Crystal
      ReadOnly = True
      TabOrder = 0
    end
    object lblModelC: TSkinEdit
      Left = 132
      Top = 120
      Width = 186
      Height = 21
      UIStyle = Crystal
      ReadOnly = True
      TabOrder = 1
    end
    object lblAuthorC: TSkinEdit
      Left = 132
      Top = 148
      Width = 186
      Height = 21
      UIStyle = Crystal
      ReadOnly = True
      TabOrder = 2
    end
    object lblDescC: TSkinMemo
      Left = 132
      Top = 176
      Width = 186
      Height = 52
      UIStyle = Crystal
      ReadOnly = True
      VScrollBar = sbDesc
      TabOrder = 3
    end
    object sbDesc: TSkinScrollBar
      Left = 302
      Top = 178
      Width = 14
      Height = 48
      UIStyle = Crystal
      Orientation = skinVertical
    end
    object btnHelp: TSkinButton
      Left = 16
      Top = 240
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'Help'
      TabOrder = 4
      OnClick = btnHelpClick
    end
    object btnOK: TSkinButton
      Left = 162
      Top = 240
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 5
    end
    object btnCancel: TSkinButton
      Left = 243
      Top = 240
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'Cancel'
      Cancel = True
      ModalResult = 2
      TabOrder = 6
    end
  end
end
