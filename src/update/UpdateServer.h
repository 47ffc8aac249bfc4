#pragma once

#include <QString>

// Where the update check asks for news. The build may name a server (the CMake option
// TINTWELL_UPDATE_URL, empty by default); a user's own setting, "UpdateServer" in the "settings"
// section of the program's settings file, takes its place.
namespace UpdateServer {

// The server's base URL, without a trailing "/"; empty when none is set.
QString BaseUrl();

// The update-information file on that server.
QString InformationUrl();

} // namespace UpdateServer
