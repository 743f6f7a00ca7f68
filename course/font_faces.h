#pragma once

#include <set>
#include <string>
#include <string_view>

// The stylesheet at `path` without the @font-face rules whose font file is
// not among `files`: a page then never asks for a font its package leaves
// out. Paths are relative to the package's root.
std::string KeepPackagedFontFaces(std::string_view css, std::string_view path,
                                  const std::set<std::string>& files);
