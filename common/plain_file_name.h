#pragma once

#include <string_view>

// A file name alone: nothing that could lead out of the folder it is named in.
bool PlainFileName(std::string_view name);

// A file name alone that an address can carry as it stands: an address would
// read what follows ? or # as a query or a fragment.
bool PlainLinkedName(std::string_view name);
