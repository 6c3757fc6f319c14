object frmMisspelt: TfrmMisspelt
  object btnOK: TSkinButton
    Caption = 'OK'
    OnClick = btnOKClik
  end
end
