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
    OnMouseMove = Label1MouseMove
  end
  object Timer1: TTimer
    Interval = 1000
    AlignToClock = True
    OnTimer = Timer1Timer
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = maManual
    object N1: TMenuItem
      Caption = 'カレンダー表示'
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = 'タイマー表示'
      OnClick = N2Click
    end
    object N5: TMenuItem
      Caption = 'ストップウォッチ表示'
      OnClick = N5Click
    end
    object N6: TMenuItem
      Caption = '全て表示'
      OnClick = N6Click
    end
    object N3: TMenuItem
      Caption = '透明化'
      OnClick = N3Click
    end
    object N7: TMenuItem
      Caption = 'フォーム同時移動'
      OnClick = N7Click
    end
    object N4: TMenuItem
      Caption = 'バージョン'
      OnClick = N4Click
    end
    object Exit1: TMenuItem
      Caption = '終了'
      OnClick = Exit1Click
    end
  end
end
