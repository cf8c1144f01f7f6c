object Form4: TForm4
  BorderStyle = bsNone
  Caption = 'Form4'
  ClientWidth = 125
  ClientHeight = 25
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Style = []
  FormStyle = fsStayOnTop
  AlphaBlendValue = 55
  object Image1: TImage
    Align = alClient
    Picture = 'gradient.jpg'
    Stretch = True
  end
  object Label2: TLabel
    Align = alClient
    Alignment = taCenter
    AutoSize = False
    Caption = 'stopwatch'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -16
    Font.Name = '@Dotum'
    Font.Style = [fsBold, fsItalic]
    Layout = tlCenter
    Transparent = True
    OnMouseMove = Label2MouseMove
  end
end
