object Strings: TStringTable
  ApplicationTitle = 'Velmora'
  TodayPrefix = 'Today '
  WeekdaySuffixes = (
    '(日)'
    '(月)'
    '(火)'
    '(水)'
    '(木)'
    '(金)'
    '(土)')
  Farewell = 'Bye!Bye!'
  TimesUp = '時間です!!'
  StopwatchReset = 'StopWatch'
end
