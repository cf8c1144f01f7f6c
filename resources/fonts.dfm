object Fonts: TStringTable
  Substitutes = (
    'ＭＳ Ｐゴシック=IPAPGothic'
    'ＭＳ Ｐ明朝=IPAPMincho'
    '@Dotum=UnDotum')
end
