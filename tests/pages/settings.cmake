# Tests of the settings pages.
