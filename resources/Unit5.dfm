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
    OnMouseMove = Image1MouseMove
  end
  object Label1: TLabel
    Left = 64
    Top = 16
    Caption = 'Velmora Ver1.01'
    Color = clBlue
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clWhite
    Font.Height = -21
    Font.Name = 'ＭＳ Ｐ明朝'
    Font.Style = [fsItalic, fsUnderline]
    OnMouseMove = Label1MouseMove
  end
end
