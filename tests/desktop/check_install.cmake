# What `cmake --install` put into a staging prefix: -DSTAGE=<prefix> -DAPP_ID=<id> -DVERSION=<x.y>
function(require path)
    if(NOT EXISTS "${STAGE}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endfunction()

foreach(path bin/pathora share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
             share/man/man1/pathora.1.gz share/man/zh_CN/man1/pathora.1.gz share/doc/pathora/copyright share/doc/pathora/changelog.gz)
    require(${path})
endforeach()

# Each icon of the theme has the size its folder names (read from the PNG header).
foreach(size 16 24 32 48 64 128 256)
    set(icon share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    require(${icon})
    file(READ "${STAGE}/${icon}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 w)
    string(SUBSTRING "${header}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT header MATCHES "^89504e47" OR NOT w EQUAL size OR NOT h EQUAL size)
        message(FATAL_ERROR "${icon} is ${w}x${h}")
    endif()
endforeach()

# The desktop entry, the metainfo and the icon agree on the application id and the program.
file(READ "${STAGE}/share/applications/${APP_ID}.desktop" entry)
file(READ "${STAGE}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT entry MATCHES "\nIcon=${APP_ID}\n" OR NOT entry MATCHES "\nExec=pathora\n"
   OR NOT metainfo MATCHES "<id>${APP_ID}</id>" OR NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "desktop entry and metainfo disagree with id ${APP_ID} / version ${VERSION}")
endif()

execute_process(COMMAND "${STAGE}/bin/pathora" --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "pathora ${VERSION}\n")
    message(FATAL_ERROR "installed program says '${out}' (exit ${rc})")
endif()
