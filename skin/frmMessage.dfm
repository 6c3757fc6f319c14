object frmMsg: TfrmMsg
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  ClientWidth = 336
  ClientHeight = 130
  Constraints.MinWidth = 150
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object skinForm1: TSkinForm
    Left = 3
    Top = 0
    Color = $00DEEBEF
    UIStyle = Azure
    UIStyleAutoUpdateSub = True
    BorderColor = $00C82C00
    BorderWidth = 3
    TitleBarButtons = <
      item
        UIStyle = Azure
        ButtonType = skinClose
        Transparent = False
        Top = 5
        PicNormal = {bitmap AZURE_TITLEBTN 16/18}
        PicMouseOn = {bitmap AZURE_TITLEBTN 17/18}
        PicMouseDown = {bitmap AZURE_TITLEBTN 18/18}
      end>
    TitleBarSections = <
      item
        AutoSize = True
        Width = 35
        Picture = {bitmap AZURE_TITLE_LEFT}
      end
      item
        AutoSize = True
        Width = 35
        Align = skinRight
        Picture = {bitmap AZURE_TITLE_RIGHT}
      end
      item
        Width = 10
        Align = skinClient
        Picture = {bitmap AZURE_TITLE_CLIENT}
        Stretch = True
      end>
    TitleBarDrawAppIcon = False
    Font.Charset = 1
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    MenuBarColor = $00DEEBEF
    MenuBarHeight = 22
    Height = 127
    Width = 330
    RoundCorner = 13
    object lbl: TLabel
      Left = 88
      Top = 64
      Width = 225
      Height = 13
      Constraints.MaxWidth = 225
      Constraints.MinWidth = 225
      ShowAccelChar = False
      Transparent = True
      WordWrap = True
    end
    object Image1: TImage
      Left = 24
      Top = 64
      Width = 40
      Height = 40
      AutoSize = True
      Transparent = True
    end
  end
end
