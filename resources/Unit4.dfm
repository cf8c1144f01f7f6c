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
    PopupMenu = PopupMenu1
    Transparent = True
    OnClick = Label2Click
    OnMouseMove = Label2MouseMove
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = maManual
    object N1: TMenuItem
      Caption = 'スタート'
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = '一時停止'
      OnClick = N2Click
    end
    object N3: TMenuItem
      Caption = 'リセット'
      OnClick = N3Click
    end
    object Exit1: TMenuItem
      Caption = '終了'
      OnClick = Exit1Click
    end
  end
  object Timer1: TTimer
    Interval = 0
    OnTimer = Timer1Timer
  end
end
