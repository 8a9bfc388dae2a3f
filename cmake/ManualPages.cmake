# Converts the manual's Markdown pages (docs/manual/NN-topic.md) into HTML:
#   OUT/ORVANE.html          00-index.md's text, then the contents list of every other page
#   OUT/manual/NN-topic.html one per page, with Contents / Previous / Next links
#   OUT/manual/orvane.css    the stylesheet
# Run as: cmake -DSOURCE=<repo> -DOUT=<dir> -DINDEX=<name> [-DCMARK=<path>] -P ManualPages.cmake
# CMARK is cmark-gfm (tables) or cmark; without either a page shows its
# Markdown text as it is.

file(GLOB pages RELATIVE ${SOURCE}/docs/manual ${SOURCE}/docs/manual/[0-9][0-9]-*.md)
list(SORT pages)
file(MAKE_DIRECTORY ${OUT}/manual)
configure_file(${SOURCE}/docs/manual/orvane.css ${OUT}/manual/orvane.css COPYONLY)

function(escape_html text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Title (the first line without "# ") and HTML body of a page; links to other
# pages (X.md) become links to their HTML (PREFIX X.html), image paths
# ../images/ become IMAGES.
function(convert_page page prefix images title_out body_out)
  file(STRINGS ${SOURCE}/docs/manual/${page} first LIMIT_COUNT 1)
  string(REGEX REPLACE "^#[ \t]*" "" title "${first}")
  if(CMARK)
    set(extensions "")
    if(CMARK MATCHES "gfm")
      set(extensions -e table -e strikethrough -e autolink)
    endif()
    execute_process(COMMAND ${CMARK} ${extensions} ${SOURCE}/docs/manual/${page}
                    OUTPUT_VARIABLE body RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cmark failed on docs/manual/${page}")
    endif()
  else()
    file(READ ${SOURCE}/docs/manual/${page} text)
    escape_html("${text}" text)
    set(body "<pre>${text}</pre>\n")
  endif()
  string(REGEX MATCHALL "href=\"[^\"/:#]+\\.md" links "${body}")
  foreach(link ${links})
    string(REPLACE "href=\"" "" target "${link}")
    if(NOT EXISTS ${SOURCE}/docs/manual/${target})
      message(WARNING "docs/manual/${page} links to ${target}, which is not in docs/manual")
    endif()
  endforeach()
  string(REGEX REPLACE "href=\"([^\"/:#]+)\\.md" "href=\"${prefix}\\1.html" body "${body}")
  string(REPLACE "src=\"../images/" "src=\"${images}" body "${body}")
  escape_html("${title}" title)
  set(${title_out} "${title}" PARENT_SCOPE)
  set(${body_out} "${body}" PARENT_SCOPE)
endfunction()

function(write_html file title css nav body)
  file(WRITE ${file}
"<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<link rel=\"stylesheet\" href=\"${css}\">
</head>
<body>
<nav>${nav}</nav>
<main>
${body}</main>
<nav>${nav}</nav>
</body>
</html>
")
endfunction()

set(index_page "")
set(topics "")
foreach(page ${pages})
  if(page STREQUAL "00-index.md")
    set(index_page ${page})
  else()
    list(APPEND topics ${page})
  endif()
endforeach()

# The topic pages, each linked to its neighbours.
set(contents "")
list(LENGTH topics count)
set(i 0)
foreach(page ${topics})
  string(REGEX REPLACE "\\.md$" "" name ${page})
  convert_page(${page} "" "../images/" title body)
  set(nav "<a href=\"../${INDEX}\">Contents</a>")
  if(i GREATER 0)
    math(EXPR p "${i} - 1")
    list(GET topics ${p} prev)
    string(REGEX REPLACE "\\.md$" ".html" prev ${prev})
    string(APPEND nav " · <a href=\"${prev}\">Previous</a>")
  endif()
  math(EXPR n "${i} + 1")
  if(n LESS count)
    list(GET topics ${n} next)
    string(REGEX REPLACE "\\.md$" ".html" next ${next})
    string(APPEND nav " · <a href=\"${next}\">Next</a>")
  endif()
  write_html(${OUT}/manual/${name}.html "${title} - Orvane manual" "orvane.css" "${nav}" "${body}")
  string(APPEND contents "<li><a href=\"manual/${name}.html\">${title}</a></li>\n")
  set(i ${n})
endforeach()

# The contents page: the introduction, then every topic in order.
set(intro "<h1>Orvane manual</h1>\n")
set(title "Orvane manual")
if(index_page)
  convert_page(${index_page} "manual/" "images/" title intro)
endif()
write_html(${OUT}/${INDEX} "${title}" "manual/orvane.css" "<a href=\"${INDEX}\">Contents</a>"
           "${intro}<h2>Contents</h2>\n<ol class=\"contents\">\n${contents}</ol>\n")
