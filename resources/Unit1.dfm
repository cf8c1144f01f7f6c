object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Velmora'
  ClientWidth = 125
  ClientHeight = 28
  Color = clWhite
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'ＭＳ Ｐゴシック'
  Font.Style = []
  FormStyle = fsStayOnTop
  AlphaBlendValue = 55
  ShowHint = True
  OnCreate = FormCreate
  object Image1: TImage
    Align = alClient
    Picture = 'gradient.jpg'
    Stretch = True
    PopupMenu = PopupMenu1
  end
  object Label1: TLabel
    Align = alClient
    Alignment = taCenter
    AutoSize = False
    Caption = 'Hello!!'
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clYellow
    Font.Height = -24
    Font.Name = 'ＭＳ Ｐゴシック'
    Font.Style = [fsItalic]
    Layout = tlCenter
    PopupMenu = PopupMenu1
    Transparent = True
    OnDblClick = Label1DblClick
  end
  object Timer1: TTimer
    Interval = 1000
    AlignToClock = True
    OnTimer = Timer1Timer
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = maManual
  end
end
