#pragma once

#include <string>

namespace vemlik {

// The full name of the user conversion file. A Prevody.kfc beside the executable (a portable
// copy, or a folder taken over from an earlier installation) stays the user's file; otherwise
// it lies in the user's data folder as the XDG Base Directory rules place it:
// $XDG_DATA_HOME/vemlik/, or $HOME/.local/share/vemlik/ where XDG_DATA_HOME is unset, empty or
// not absolute. Without a home either, it stays beside the executable. The application
// directory ends in a separator; empty when unknown.
std::string userConversionFileName(const std::string& applicationDirectory);

// The same with the two variables given, null when unset.
std::string userConversionFileName(const std::string& applicationDirectory, const char* dataHome,
                                   const char* home);

} // namespace vemlik
