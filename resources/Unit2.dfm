object Form2: TForm2
  BorderStyle = bsNone
  Caption = 'Calender'
  ClientWidth = 134
  ClientHeight = 157
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Style = []
  FormStyle = fsStayOnTop
  AlphaBlendValue = 55
  object Image1: TImage
    Align = alTop
    Height = 14
    Picture = 'gradient.jpg'
    Stretch = True
    OnMouseMove = Image1MouseMove
  end
end
