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
  object Label2: TLabel
    Left = 22
    Top = 184
    Caption = 'https://velmora.example/'
    Color = clBtnFace
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clWindowText
    Font.Height = -15
    Font.Name = 'ＭＳ Ｐゴシック'
    Font.Style = [fsItalic]
    Hint = 'please double-click!! 作者ホームページ：他にもソフトがあります'
    ShowHint = True
    OnClick = Label2Click
    OnMouseMove = Label2MouseMove
    OnMouseLeave = Label2MouseLeave
  end
  object Memo1: TMemo
    Left = 25
    Top = 47
    Width = 259
    Height = 130
    BorderStyle = bsNone
    Color = clWindowText
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clSilver
    Font.Height = -12
    Font.Name = 'ＭＳ Ｐ明朝'
    Lines.Strings = (
      '　'
      ' 時計･タイマー･ストップウォッチ･カレンダーのすべ'
      'てを利用できるソフトです。'
      '　基本的には、すべて右クリックで操作ができます。'
      'それぞれを終了させるには、ダブルクリックをすると'
      '終了させることができます。基本的には、最前面に'
      'フォームを表示させていますが、時々背後に隠れ'
      'てしますことがあります。皆様の豊かなパソコンライ'
      'フにすこしでもお役に立てれば幸いです。'
      '　　　　　　　　　2006.11.8　by　K.Ostra')
    ReadOnly = True
    ScrollBars = ssNone
    TabOrder = 0
  end
  object Button1: TButton
    Left = 112
    Top = 216
    Width = 81
    Height = 21
    Caption = '閉じる'
    TabOrder = 1
    OnClick = Button1Click
  end
end
