#pragma once
// Under Wine, closing the console, Ctrl+C or Ctrl+Break ends the console
// bridge but not the native tool it started, which would go on and write
// its list and images into a folder the user may already be searching
// again. The bridge hands us one end of a socket as standard input and
// holds the other until it ends, however it ends: when ours reads end of
// file, the tool and its workers end at once.
namespace zuvediv {

// Does nothing unless the descriptor is a socket.
void stop_when_bridge_ends(int lifeline_fd);

}  // namespace zuvediv
