# Writes gnuplot-pattern-bars.emf, the bar chart of the pattern-brush test,
# with gnuplot's own enhanced-metafile terminal (gnuplot 5.4):
#   gnuplot gnuplot-pattern-bars.gp
# Three bars without axes, each filled with a pattern of gnuplot's: two red
# ones of pattern 1 and a blue one of pattern 2, outlined in black. gnuplot
# writes every pattern as a one-bit brush without a colour table, and sets
# the text colour to the bar's colour before it.
set terminal emf color size 160,120
set output 'gnuplot-pattern-bars.emf'
unset key
unset border
unset tics
set xrange [0.5:3.5]
set yrange [0:6]
set style fill pattern border rgb "black"
set boxwidth 0.8
plot '-' using 1:2 with boxes fs pattern 1 lc rgb "red", \
     '-' using 1:2 with boxes fs pattern 2 lc rgb "blue"
1 5
3 4
e
2 3
e
