object Form5: TForm5
  BorderStyle = bsNone
  Caption = 'Form5'
  ClientWidth = 307
  ClientHeight = 242
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Style = []
  FormStyle = fsNormal
  Position = poScreenCenter
  object Image1: TImage
    Align = alClient
    Picture = 'gradient-large.jpg'
    Stretch = True
  end
end
