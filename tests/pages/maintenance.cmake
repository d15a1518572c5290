# Tests of the maintenance pages.
