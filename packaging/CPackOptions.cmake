# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for each package generator. The Debian packages' descriptions
# begin with their own summary lines (the program's, the atlas's): CPack would
# otherwise put the project's summary in front of both.
set(CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}")
