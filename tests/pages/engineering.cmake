# Tests of the engineering pages.
velkor_page_tests(engineering_tests velkor_engineering engineering_test.cpp)
velkor_page_tests(engineering_cli_tests velkor_ctl engineering_cli_test.cpp)
