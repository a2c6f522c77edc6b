# Lays out Debian's Wine 8 (packages wine and wine64) as an engine folder:
#   cmake -DENGINE=<dir> -P make_engine.cmake
# The loader and the server live inside the folder, as every engine's must;
# "bin/wine" and "lib/wine/wine" name the 64-bit loader, because Wine starts
# each new process through the name it was started by. The 640 MB of
# Windows libraries stay where Debian put them, linked rather than copied,
# so each data root's copy of the engine stays small.
if(NOT DEFINED ENGINE)
  message(FATAL_ERROR "make_engine.cmake needs -DENGINE=...")
endif()
set(_debian "/usr/lib/x86_64-linux-gnu/wine")
file(REMOVE_RECURSE "${ENGINE}")
file(MAKE_DIRECTORY "${ENGINE}/bin" "${ENGINE}/lib/wine" "${ENGINE}/lib/x86_64-linux-gnu/wine" "${ENGINE}/share")
file(COPY /usr/lib/wine/wine64 /usr/lib/wine/wineserver64 DESTINATION "${ENGINE}/lib/wine")
file(COPY "${_debian}/x86_64-unix" DESTINATION "${ENGINE}/lib/x86_64-linux-gnu/wine")
file(COPY /usr/share/wine DESTINATION "${ENGINE}/share")
file(CREATE_LINK wine64 "${ENGINE}/lib/wine/wine" SYMBOLIC)
file(CREATE_LINK wineserver64 "${ENGINE}/lib/wine/wineserver" SYMBOLIC)
file(CREATE_LINK ../lib/wine/wine "${ENGINE}/bin/wine" SYMBOLIC)
file(CREATE_LINK ../lib/wine/wineserver64 "${ENGINE}/bin/wineserver" SYMBOLIC)
file(CREATE_LINK "${_debian}/x86_64-windows" "${ENGINE}/lib/x86_64-linux-gnu/wine/x86_64-windows" SYMBOLIC)
