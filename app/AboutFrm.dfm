object frmAbout: TfrmAbout
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'About Carolune'
  Width = 370
  Height = 299
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  Position = poDesktopCenter
  object skinForm1: TSkinForm
    Left = 1
    Top = 0
    UIStyle = Crystal
    UIStyleAutoUpdateSub = True
    Caption = 'About Carolune'
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
    Height = 298
    Width = 368
    object pnlPicture: TSkinImagePanel
      Left = 10
      Top = 33
      Width = 348
      Height = 140
      Picture = {bitmap CRYSTAL_TITLE_CLIENT}
      DrawStyle = skinStretch
      object lblProduct: TLabel
        Left = 20
        Top = 22
        Width = 300
        Height = 40
        Caption = 'Carolune'
        Font.Charset = 1
        Font.Color = clWhite
        Font.Height = -32
        Font.Name = 'Verdana'
        Font.Style = [fsBold]
        ParentFont = False
        Transparent = True
      end
      object lblProductInfo: TLabel
        Left = 22
        Top = 70
        Width = 300
        Height = 13
        Caption = 'Ringtones for your mobile phone'
        Font.Charset = 1
        Font.Color = clWhite
        Font.Height = -11
        Font.Name = 'Verdana'
        Font.Style = []
        ParentFont = False
        Transparent = True
      end
      object lblVersion: TLabel
        Left = 22
        Top = 110
        Width = 300
        Height = 13
        Caption = 'v1.01.020  Nov 25, 2003'
        Font.Charset = 1
        Font.Color = clWhite
        Font.Height = -11
        Font.Name = 'Verdana'
        Font.Style = [fsBold]
        ParentFont = False
        Transparent = True
      end
    end
    object lblMaker: TLabel
      Left = 20
      Top = 188
      Width = 84
      Height = 13
      Caption = 'Veskaro'
      Font.Charset = 1
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Verdana'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object lblHomePage: TSkinURLLabel
      Left = 110
      Top = 188
      Width = 240
      Height = 13
      Caption = 'veskaro.example.com'
      URL = 'https://veskaro.example.com/'
      Transparent = True
    end
    object lblMailSupport: TLabel
      Left = 20
      Top = 210
      Width = 84
      Height = 13
      Caption = 'Questions:'
      Transparent = True
    end
    object lblSupportMail: TSkinURLLabel
      Left = 110
      Top = 210
      Width = 240
      Height = 13
      Caption = 'carolune@veskaro.example.com'
      URL = 'mailto:carolune@veskaro.example.com'
      Transparent = True
    end
    object lblMailFilters: TLabel
      Left = 20
      Top = 232
      Width = 84
      Height = 13
      Caption = 'New filters:'
      Transparent = True
    end
    object lblFiltersMail: TSkinURLLabel
      Left = 110
      Top = 232
      Width = 240
      Height = 13
      Caption = 'filters@veskaro.example.com'
      URL = 'mailto:filters@veskaro.example.com'
      Transparent = True
    end
    object btnExit: TSkinButton
      Left = 283
      Top = 260
      Width = 75
      Height = 21
      UIStyle = Crystal
      Caption = 'OK'
      Cancel = True
      Default = True
      TabOrder = 0
      OnClick = btnExitClick
    end
  end
end
