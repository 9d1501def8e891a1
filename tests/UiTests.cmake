# SPDX-License-Identifier: GPL-3.0-or-later
# Window tests: offscreen, through the real widgets, with the fake platform.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(orvanta_ui_tests
  UiTestMain.cpp
  platform/FakePlatform.h platform/FakePlatform.cpp
  WindowTestSupport.h
  gui/app/frmMainTest.cpp
  gui/app/frmMainAtlasTest.cpp
  gui/app/PlacesSpokenTest.cpp
  gui/app/CommandLineTest.cpp
  gui/app/TranslationTest.cpp
  gui/app/LanguageChoiceTest.cpp
  translations/TranslationFileTest.cpp
  gui/app/MoonMethodWindowsTest.cpp
  gui/app/ModalBoxTest.cpp
  gui/app/SecondStartTest.cpp
  platform/QtPlatformTest.cpp
  platform/SingleInstanceTest.cpp
  platform/FileNamesTest.cpp
  resources/ResourcesTest.cpp
  gui/support/UpdateReminderTest.cpp
  gui/support/frmAboutTest.cpp
  gui/report/SaveOpenPrintTest.cpp
  gui/support/WebPagesTest.cpp
  gui/reading/frmResultTest.cpp
  gui/reading/SignStayPanelTest.cpp
  gui/reading/BirthStarPageTest.cpp
  gui/report/frmSaveTest.cpp
  gui/matching/frmMatchTest.cpp
  gui/timezone/frmTimeZoneTest.cpp
  gui/widgets/ClickableLabelTest.cpp
  gui/widgets/EntryBoxesTest.cpp
  gui/widgets/UiLanguageTest.cpp
)
target_include_directories(orvanta_ui_tests PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(orvanta_ui_tests PRIVATE orvanta_gui_startup Qt6::Test GTest::gtest)
# The command-line tests also start the built program.
add_dependencies(orvanta_ui_tests orvanta)
target_compile_definitions(orvanta_ui_tests PRIVATE
  ORVANTA_PROGRAM="$<TARGET_FILE:orvanta>" ORVANTA_PROJECT_VERSION="${PROJECT_VERSION}"
  ORVANTA_ATLAS_DATABASE="${ORVANTA_ATLAS_DATABASE}" ORVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(orvanta_ui_tests orvanta_atlas_database)
gtest_discover_tests(orvanta_ui_tests DISCOVERY_MODE PRE_TEST
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# SQLite and Swiss Ephemeris are opened when the atlas or the precise Moon is
# first needed; linked, they would cost every start.
add_test(NAME TheProgramLinksNeitherSqliteNorSwissEphemeris
         COMMAND sh -c "! readelf -d \"$1\" | grep -E 'NEEDED.*\\[lib(sqlite3|swe)\\.so'" sh "$<TARGET_FILE:orvanta>")

# The places under City and the zone line as a screen reader gets them over
# AT-SPI, from the built program under its own X server and buses.
add_test(NAME PlacesSpokenThroughAtSpi
         COMMAND "${PROJECT_SOURCE_DIR}/scripts/check-place-speech" "$<TARGET_FILE:orvanta>")
set_tests_properties(PlacesSpokenThroughAtSpi PROPERTIES TIMEOUT 200)

# The update reminder, from outside: the program as built reminds unless the
# build was told not to, and the one packaged for a package manager never does.
add_test(NAME UpdateReminderOfTheProgramAsBuilt
         COMMAND "${PROJECT_SOURCE_DIR}/packaging/check-update-reminder.sh" "$<TARGET_FILE:orvanta>"
                 "$<IF:$<BOOL:${ORVANTA_UPDATE_REMINDER}>,reminds,quiet>")
if(TARGET orvanta_packaged)
  add_test(NAME NoUpdateReminderInThePackagedProgram
           COMMAND "${PROJECT_SOURCE_DIR}/packaging/check-update-reminder.sh" "$<TARGET_FILE:orvanta_packaged>" quiet)
endif()

# Pictures on screens of different pixel density: a program of its own, as it
# sets up its two offscreen screens before QApplication.
add_executable(orvanta_screen_tests
  gui/widgets/ScreenChangeTest.cpp
  platform/FakePlatform.h platform/FakePlatform.cpp
)
target_include_directories(orvanta_screen_tests PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(orvanta_screen_tests PRIVATE orvanta_gui_app Qt6::Test GTest::gtest)
gtest_discover_tests(orvanta_screen_tests DISCOVERY_MODE PRE_TEST)

# Not a test: pictures of the windows for comparing a change (scripts/window-shots).
add_executable(orvanta_window_shots
  tools/WindowShots.cpp
  platform/FakePlatform.h platform/FakePlatform.cpp
)
target_include_directories(orvanta_window_shots PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(orvanta_window_shots PRIVATE orvanta_gui_startup Qt6::Test)
target_compile_definitions(orvanta_window_shots PRIVATE ORVANTA_ATLAS_DATABASE="${ORVANTA_ATLAS_DATABASE}")
add_dependencies(orvanta_window_shots orvanta_atlas_database)

# The program's texts, core and windows alike, reach the translation tools.
add_test(NAME TextsReachTheTranslationTools
         COMMAND "${CMAKE_COMMAND}" -DLIST=${CMAKE_BINARY_DIR}/translatable_sources.txt
                 -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DALIASES=${ORVANTA_LUPDATE_ALIASES}
                 -DROOT=${PROJECT_SOURCE_DIR} -DGENERATED=${PROJECT_BINARY_DIR}/generated
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR} -P "${CMAKE_CURRENT_SOURCE_DIR}/CheckTranslatableTexts.cmake")

# Every text of every translation finished, none vanished.
add_test(NAME TranslationsAreFinished
         COMMAND "${CMAKE_COMMAND}" "-DFILES=${ORVANTA_TRANSLATION_FILES}" -DLRELEASE=$<TARGET_FILE:Qt6::lrelease>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR} -P "${CMAKE_CURRENT_SOURCE_DIR}/CheckTranslationsFinished.cmake")
