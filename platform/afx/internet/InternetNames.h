#pragma once
// Checks on the texts that go into an address or a server command, so that a name from
// outside can neither change the address's parts nor add a command.

// A host name or address: no blank, control byte or character that ends the host part.
bool MvIsServerName(const char* server);
// Text for a path or query: no blank or control byte.
bool MvIsUrlText(const char* text);
// A remote file or folder name for a server command: no line break or NUL.
bool MvIsCommandText(const char* text);
