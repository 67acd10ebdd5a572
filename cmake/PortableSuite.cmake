# The portable Tunnelworks suite of the build tree, so that build/bin/facetwork starts
# straight into the editor on a machine without a game or any settings:
#   build/bin/cobl.cfg                 points to build/suite/
#   build/suite/cobl.ini               the program's, Versionkeeper's and the manual's folders
#   build/suite/descent.ini            one registered version, "Sample (no game)", current
#   build/suite/ddata/descent.1        its data file
#   build/suite/fctwrk32.ini           configured, so no first-run assistant
#   build/suite/_Temp/, models/, game/
#   build/share/doc/facetwork/manual.html
# The suite's files are written only when missing: the registry, the assistant and the
# Options dialog change them, and a new configure run must keep those changes.

set(FW_SUITE_DIR ${CMAKE_BINARY_DIR}/suite/)
set(FW_MANUAL_DIR ${CMAKE_BINARY_DIR}/share/doc/facetwork/)

configure_file(${CMAKE_SOURCE_DIR}/docs/manual.html ${FW_MANUAL_DIR}manual.html COPYONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/bin/cobl.cfg
     CONTENT "[Directories]\nCobl3=${FW_SUITE_DIR}\n")

function(fw_suite_file name content)
    if(NOT EXISTS ${FW_SUITE_DIR}${name})
        file(WRITE ${FW_SUITE_DIR}${name} "${content}")
    endif()
endfunction()

foreach(folder _Temp ddata models game)
    file(MAKE_DIRECTORY ${FW_SUITE_DIR}${folder})
endforeach()

fw_suite_file(cobl.ini
"[Detour]
FCTWRK32=
[Moduls_Dirs]
FCTWRK32=${FW_SUITE_DIR}
VKP=${CMAKE_BINARY_DIR}/bin/
FCTWMAN32=${FW_MANUAL_DIR}
[Moduls_EXEs]
FCTWMAN32=manual.html
[SBX]
CullFace=1
Color=1
Size2Poly=1
Line/Poly=1
BKColor=0
TextureSet=0
Configured=1
")

fw_suite_file(descent.ini
"[Current]
DescVers=Sample (no game)
DescDir=${FW_SUITE_DIR}game/
LevelDir=${FW_SUITE_DIR}game/
DescData=descent.1
[Sample (no game)]
Dir=${FW_SUITE_DIR}game/
[Directories]
ZPMF=${FW_SUITE_DIR}models/
")

fw_suite_file(ddata/descent.1
"[Version]
Name=Sample (no game)
Dir=${FW_SUITE_DIR}game/
LevelDir=${FW_SUITE_DIR}game/
")

fw_suite_file(fctwrk32.ini
"[General]
Configured=3
[Display]
IsoMode=2
splitterh=3345
splitterv=6450
[Grid and Snap]
XYGrid=6
XZGrid=6
ZYGrid=6
XYSnap=4
XZSnap=4
ZYSnap=4
")
