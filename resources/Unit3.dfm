object Form3: TForm3
  BorderStyle = bsNone
  Caption = 'Timer'
  ClientWidth = 125
  ClientHeight = 25
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Style = []
  FormStyle = fsStayOnTop
  AlphaBlendValue = 100
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 142
    Height = 24
    Picture = 'gradient.jpg'
  end
end
