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
  object Label1: TLabel
    Align = alClient
    Alignment = taCenter
    AutoSize = False
    Caption = '00:00'
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'ＭＳ Ｐゴシック'
    Font.Style = [fsItalic]
    Layout = tlTop
    Transparent = True
  end
  object Label2: TLabel
    Align = alClient
    AutoSize = False
    Caption = 'Timer'
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = '@Dotum'
    Font.Style = [fsItalic]
    Layout = tlCenter
    Transparent = True
    OnMouseMove = Label1MouseMove
  end
end
