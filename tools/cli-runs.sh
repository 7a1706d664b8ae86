# The format runs that the comparison scripts share (golden-cli.sh,
# compare-cli.sh, engine-diff.sh): the stored settings alone, every format
# command, and option mixes that move braces, re-indent, space operators and
# parentheses and convert tabs together. Sourced; defines format_runs, the
# arguments of one run each, split on blanks.
# shellcheck disable=SC2034
format_runs=(
  ""
  "--command full"
  "--command reindent"
  "--command tabify"
  "--command untabify"
  "--command operator-expand"
  "--command operator-contract"
  "--command parentheses-expand"
  "--command parentheses-contract"
  "--command delete-trailing-whitespace"
  "--command reindent --option SpaceTabStyle=1 --option IndentSize=3"
  "--option OpenNewLineStyle=0 --option CloseNewLineStyle=0"
  "--option OpenNewLineStyle=1 --option CloseNewLineStyle=1"
  "--option RecalculateIndents=1 --option OpenNewLineStyle=0 --option CloseNewLineStyle=0 --option OpenIndentStyle=0"
  "--option RecalculateIndents=1 --option OpenNewLineStyle=1 --option CloseNewLineStyle=1 --option CloseIndentStyle=0"
  "--option OpenIndentStyle=0 --option CloseIndentStyle=0 --option RecalculateIndents=1 --option IndentSize=3"
  "--option OpenNewLineStyle=1 --option CloseNewLineStyle=1 --option RecalculateIndents=1 --option OperatorSpace=0 --option ParenthesesSpace=0"
  "--option OpenNewLineStyle=0 --option CloseNewLineStyle=0 --option RecalculateIndents=1 --option OperatorSpace=1 --option ParenthesesSpace=1"
  "--option OpenNewLineStyle=1 --option CloseNewLineStyle=1 --option OpenIndentStyle=0 --option CloseIndentStyle=0 --option RecalculateIndents=1 --option IndentSize=0"
  "--option OpenNewLineStyle=1 --option SpaceTabStyle=1 --option TabSize=3 --option IndentSize=3 --option RecalculateIndents=1"
  "--option OperatorSpace=0 --option ParenthesesSpace=0 --option SpaceTabStyle=1 --option TabSize=8"
  "--option CloseNewLineStyle=1 --option SpaceTabStyle=0 --option TabSize=8 --option DeleteTrailingWhiteSpace=1"
  "--option DeleteTrailingWhiteSpace=1 --option SpaceTabStyle=0 --option TabSize=2"
  "--option OpenNewLineStyle=0 --option OperatorSpace=0 --option DeleteTrailingWhiteSpace=1 --option SpaceTabStyle=1"
)
