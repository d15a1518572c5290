# Tests of the statistics pages.
