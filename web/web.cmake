# The game in a web page: the WebAssembly build and the page's files, all in
# <build>/page, a folder of static files any web server can serve.
#
# The game blocks on the player's keys and lines; the page delivers them
# asynchronously, so the game's call stack is suspended while it waits
# (ASYNCIFY). Only the imports in src/web/console.cpp that await the page can
# suspend it, and only the functions that can be on the stack then are
# built to be suspended: the game's own, main, and the input stream's (the
# page's lines reach the game through std::istream and its number parsing,
# which call the console's stream buffer). The rest of the C++ library
# stays as it is, which keeps the download small.
set(suspendable
  "*emberfell::*" main
  "*basic_istream*" "*basic_streambuf*" "*istreambuf_iterator*" "*num_get*")
list(JOIN suspendable "','" suspendable)

set(webdir ${CMAKE_CURRENT_LIST_DIR})
set(pagedir ${CMAKE_BINARY_DIR}/page)

find_program(NPM npm REQUIRED)
find_program(NODE node REQUIRED)

set_target_properties(emberfell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${pagedir} SUFFIX ".js")
# The game is compiled for speed (the web preset's -O2: a paste of many
# lines is as many passes of a menu), and linked small.
target_link_options(emberfell PRIVATE
  -Oz
  -sASYNCIFY
  "-sASYNCIFY_IMPORTS=['pageawaitline','pageawaitkey','pagepersist','pagegameover']"
  "-sASYNCIFY_ONLY=['${suspendable}']"
  # Room to keep the deepest waiting stack (a quest's fight's spell number).
  -sASYNCIFY_STACK_SIZE=16384
  -sMALLOC=emmalloc
  -sTEXTDECODER=2
  --closure 1
  -sMODULARIZE -sEXPORT_NAME=createEmberfell
  -sENVIRONMENT=web
  -sINVOKE_RUN=0
  # Only what the page hands the game when it makes one.
  "-sINCOMING_MODULE_JS_API=['page','instantiateWasm']"
  "-sEXPORTED_RUNTIME_METHODS=['callMain']"
  # The game's rule for an imported save's name (src/web/saves.js), and the
  # memory it is handed the file in.
  "-sEXPORTED_FUNCTIONS=['_main','_knightname','_malloc','_free']"
  -lidbfs.js
  --post-js ${CMAKE_SOURCE_DIR}/src/web/saves.js)
set_property(TARGET emberfell APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/saves.js)

# xterm.js, the Closure Compiler and the test driver, at the versions in
# package-lock.json.
set(npmstamp ${CMAKE_BINARY_DIR}/npm-ci.stamp)
add_custom_command(
  OUTPUT ${npmstamp}
  COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
  COMMAND ${CMAKE_COMMAND} -E touch ${npmstamp}
  DEPENDS ${webdir}/package.json ${webdir}/package-lock.json
  WORKING_DIRECTORY ${webdir}
  COMMENT "Installing the page's npm packages")

add_custom_target(emberfell_npm DEPENDS ${npmstamp})

# The glue between the page and the game is minified by the Closure
# Compiler from npm, at the version this Emscripten was made with.
add_dependencies(emberfell emberfell_npm)
set_property(TARGET emberfell PROPERTY RULE_LAUNCH_LINK
  "${CMAKE_COMMAND} -E env EM_CLOSURE_COMPILER=${webdir}/node_modules/.bin/google-closure-compiler")

# The page's own files and xterm's, copied whenever they change; the
# first paint's (index.html with the title the game draws, the styles and
# the script it needs inline) are made by firstpaint.mjs.
set(firstpaintsources index.html page.css early.js)
file(GLOB pagesources CONFIGURE_DEPENDS RELATIVE ${webdir}/page ${webdir}/page/*)
list(REMOVE_ITEM pagesources ${firstpaintsources})
# The modules the first paint reads (the list early.js preloads, and the
# rules and names it takes from them).
file(GLOB pagescripts CONFIGURE_DEPENDS ${webdir}/page/*.js)
list(TRANSFORM firstpaintsources PREPEND ${webdir}/page/)
add_custom_command(
  OUTPUT ${pagedir}/index.html
  # firstpaint.mjs imports some of the page's modules (web/package.json
  # says that .js files here are modules, for Node.js 18 as for newer ones).
  COMMAND ${NODE} ${webdir}/firstpaint.mjs ${webdir}/page ${pagedir}
  DEPENDS ${firstpaintsources} ${webdir}/firstpaint.mjs emberfell ${pagescripts}
  COMMENT "Painting the title into the page's index.html")
set(pagefiles ${pagedir}/index.html)
foreach(file ${pagesources})
  add_custom_command(
    OUTPUT ${pagedir}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${webdir}/page/${file} ${pagedir}/${file}
    DEPENDS ${webdir}/page/${file})
  list(APPEND pagefiles ${pagedir}/${file})
endforeach()
set(xtermdir ${webdir}/node_modules/@xterm/xterm)
foreach(file lib/xterm.js css/xterm.css)
  get_filename_component(name ${file} NAME)
  add_custom_command(
    OUTPUT ${pagedir}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${xtermdir}/${file} ${pagedir}/${name}
    DEPENDS ${npmstamp})
  list(APPEND pagefiles ${pagedir}/${name})
endforeach()
add_custom_target(emberfell_page ALL DEPENDS ${pagefiles})

# Offline play: workbox-window for the page (offline.js), and the service
# worker that keeps every file of the built page under a revision made from
# its content (precache.mjs), made again whenever any of them changes.
set(workboxwindow ${pagedir}/workbox-window.js)
add_custom_command(
  OUTPUT ${workboxwindow}
  COMMAND ${CMAKE_COMMAND} -E copy
          ${webdir}/node_modules/workbox-window/build/workbox-window.prod.mjs ${workboxwindow}
  DEPENDS ${npmstamp})
add_custom_command(
  OUTPUT ${pagedir}/sw.js
  COMMAND ${NODE} ${webdir}/precache.mjs ${pagedir}
  DEPENDS ${pagefiles} ${workboxwindow} emberfell ${webdir}/precache.mjs ${npmstamp}
  WORKING_DIRECTORY ${webdir}
  COMMENT "Making the page's service worker")
add_custom_target(emberfell_offline ALL DEPENDS ${pagedir}/sw.js)

# The browser tests: the page served on 127.0.0.1 to headless Chromium.
enable_testing()
file(GLOB browsertests CONFIGURE_DEPENDS ${webdir}/tests/*.test.mjs)
add_test(NAME browser COMMAND ${NODE} --test ${browsertests})
set_tests_properties(browser PROPERTIES
  ENVIRONMENT "EMBERFELL_PAGE=${pagedir}" TIMEOUT 600)
