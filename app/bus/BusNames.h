#pragma once

#include <QString>

namespace pomelo {

// Where the running gadget answers on the session bus, as the gadget's
// object (RemoteControl) offers it and the command line (RemoteClient) and
// --follow (Follower) reach it.
inline constexpr const char *RemoteService = POMELO_APP_ID;
inline constexpr const char *RemotePath = "/io/github/pomelo_timer/Pomelo";
inline constexpr const char *RemoteInterface = POMELO_APP_ID;
// The interface of launchers that start programs over the session bus.
inline constexpr const char *ApplicationInterfaceName = "org.freedesktop.Application";
// The interface that reads properties and tells their changes.
inline constexpr const char *PropertiesInterface = "org.freedesktop.DBus.Properties";
// The answer of a copy that OFF has ended: the command was not carried out.
inline constexpr const char *EndedError = POMELO_APP_ID ".Error.Ended";
// The answer to Again before any countdown was keyed in: nothing was done.
inline constexpr const char *NothingKeyedError = POMELO_APP_ID ".Error.NothingKeyed";
// What the user is told then, after "pomelo: ".
QString NothingKeyedMessage();

} // namespace pomelo
