object frmDravikAbout: TfrmDravikAbout
  Caption = 'About Dravik Of Carolune'
  BorderStyle = bsDialog
  ClientWidth = 360
  ClientHeight = 220
  Position = poScreenCenter
  Font.Name = 'Verdana'
  Font.Height = -11
  Font.Style = []
  object skinForm1: TSkinForm
    UIStyle = Crystal
    Caption = 'About Dravik Of Carolune'
    TitleBarButtons = <
      item
        UIStyle = Crystal
        ButtonType = skinControlBox
      end
      item
        UIStyle = Crystal
        ButtonType = skinClose
      end>
    object Image1: TImage
      Left = 24
      Top = 48
      Width = 42
      Height = 42
      AutoSize = True
      Transparent = True
      Picture = {bitmap MSGDLG 3/4}
    end
    object lblProduct: TLabel
      Left = 88
      Top = 48
      Caption = 'The Dravik of Carolune'
      Font.Name = 'Verdana'
      Font.Height = -13
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object lblVersion: TLabel
      Left = 88
      Top = 72
      Caption = 'Version 1.0.0.12'
      Transparent = True
    end
    object lblMail: TLabel
      Left = 88
      Top = 104
      Caption = 'Mail:'
      Transparent = True
    end
    object urlMail: TSkinURLLabel
      Left = 128
      Top = 104
      Caption = 'dravik@veskaro.example.com'
      URL = 'mailto:dravik@veskaro.example.com'
    end
    object urlSupport: TSkinURLLabel
      Left = 128
      Top = 124
      Caption = 'support@veskaro.example.com'
      URL = 'mailto:support@veskaro.example.com'
    end
    object lblCopyright: TLabel
      Left = 88
      Top = 152
      Caption = 'Copyright (C) 2003 Veskaro. All rights reserved.'
      Transparent = True
    end
    object btnExit: TSkinButton
      UIStyle = Crystal
      Left = 140
      Top = 182
      Width = 80
      Height = 25
      Caption = 'OK'
      Cancel = True
      Default = True
      OnClick = btnExitClick
    end
  end
end
