# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures and icons, compiled into the library that draws them.
set(ORVANTA_RESOURCES "${CMAKE_CURRENT_LIST_DIR}")
function(orvanta_add_resources target)
  set(files

    signs/Aquarius.svg
    signs/Aries.svg
    signs/Cancer.svg
    signs/Capricorn.svg
    signs/Gemini.svg
    signs/Leo.svg
    signs/Libra.svg
    signs/Pisces.svg
    signs/Sagittarius.svg
    signs/Scorpio.svg
    signs/Taurus.svg
    signs/Virgo.svg
    icons/orvanta.svg
    pictures/main.svg
  )
  list(TRANSFORM files PREPEND "${ORVANTA_RESOURCES}/")
  # Compressed: a start draws none of them (the main window's picture is
  # drawn by the build), and the smaller program keeps some 100 KB of them
  # out of the start-up's memory.
  qt_add_resources(${target} "orvanta_resources" PREFIX "/" BASE "${ORVANTA_RESOURCES}" FILES ${files})
endfunction()
