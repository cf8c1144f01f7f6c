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
    PopupMenu = PopupMenu1
    Transparent = True
    OnDblClick = Label2DblClick
    OnMouseMove = Label1MouseMove
  end
  object Timer1: TTimer
    Interval = 0
    OnTimer = Timer1Timer
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = maManual
    object N1: TMenuItem
      Caption = 'タイマースタート'
      object N1101: TMenuItem
        Caption = ' 1～10分'
        object N11: TMenuItem
          Caption = '1分'
          OnClick = N11Click
        end
        object N21: TMenuItem
          Caption = '2分'
          OnClick = N21Click
        end
        object N31: TMenuItem
          Caption = '3分'
          OnClick = N31Click
        end
        object N41: TMenuItem
          Caption = '4分'
          OnClick = N41Click
        end
        object N51: TMenuItem
          Caption = '5分'
          OnClick = N51Click
        end
        object N61: TMenuItem
          Caption = '6分'
          OnClick = N61Click
        end
        object N71: TMenuItem
          Caption = '7分'
          OnClick = N71Click
        end
        object N81: TMenuItem
          Caption = '8分'
          OnClick = N81Click
        end
        object N91: TMenuItem
          Caption = '9分'
          OnClick = N91Click
        end
        object N101: TMenuItem
          Caption = '10分'
          OnClick = N101Click
        end
      end
      object N11201: TMenuItem
        Caption = '11～20分'
        object N111: TMenuItem
          Caption = '11分'
          OnClick = N111Click
        end
        object N121: TMenuItem
          Caption = '12分'
          OnClick = N121Click
        end
        object N131: TMenuItem
          Caption = '13分'
          OnClick = N131Click
        end
        object N141: TMenuItem
          Caption = '14分'
          OnClick = N141Click
        end
        object N151: TMenuItem
          Caption = '15分'
          OnClick = N151Click
        end
        object N161: TMenuItem
          Caption = '16分'
          OnClick = N161Click
        end
        object N171: TMenuItem
          Caption = '17分'
          OnClick = N171Click
        end
        object N181: TMenuItem
          Caption = '18分'
          OnClick = N181Click
        end
        object N191: TMenuItem
          Caption = '19分'
          OnClick = N191Click
        end
        object N201: TMenuItem
          Caption = '20分'
          OnClick = N201Click
        end
      end
      object N21301: TMenuItem
        Caption = '21～30分'
        object N211: TMenuItem
          Caption = '21分'
          OnClick = N211Click
        end
        object N221: TMenuItem
          Caption = '22分'
          OnClick = N221Click
        end
        object N231: TMenuItem
          Caption = '23分'
          OnClick = N231Click
        end
        object N241: TMenuItem
          Caption = '24分'
          OnClick = N241Click
        end
        object N251: TMenuItem
          Caption = '25分'
          OnClick = N251Click
        end
        object N261: TMenuItem
          Caption = '26分'
          OnClick = N261Click
        end
        object N27271: TMenuItem
          Caption = '27分'
          OnClick = N27271Click
        end
        object N28s1: TMenuItem
          Caption = '28分'
          OnClick = N28s1Click
        end
        object N29t1: TMenuItem
          Caption = '29分'
          OnClick = N29t1Click
        end
        object N30u1: TMenuItem
          Caption = '30分'
          OnClick = N30u1Click
        end
      end
    end
    object N2: TMenuItem
      Caption = 'タイマー一時停止'
      OnClick = N2Click
    end
    object N3: TMenuItem
      Caption = 'タイマーリセット'
      OnClick = N3Click
    end
    object Close1: TMenuItem
      Caption = 'タイマー終了'
      OnClick = Close1Click
    end
  end
end
