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
  object MonthCalendar1: TMonthCalendar
    Align = alBottom
    Height = 143
    Font.Height = -9
    PopupMenu = PopupMenu1
    OnDblClick = MonthCalendar1DblClick
  end
  object Image1: TImage
    Align = alTop
    Height = 14
    Picture = 'gradient.jpg'
    Stretch = True
    OnClick = Image1Click
    OnMouseMove = Image1MouseMove
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = maManual
    object Close1: TMenuItem
      Caption = '閉じる'
      OnClick = Close1Click
    end
  end
end
