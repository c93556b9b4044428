// What differs between Linux and Windows at the programs' edges: the
// console's character set, and the console that a double-clicked program
// gets of its own (a named file and what its name says are app/files.h's).
// Everything else is the same code on both.
#pragma once

namespace geometrija {

// Whether a program that ends with `status` should wait for Enter before
// its console closes: only after an error, only in a console of its own
// (started by a double-click, so that the window closes with the program),
// and only when standard input is that console, never a pipe or a file.
bool waitsForEnter(int status, bool ownConsole, bool inputIsConsole);

// Whether standard output is a terminal (a console on Windows).
bool outputIsTerminal();

// Opens /dev/null in place of a closed standard descriptor (0, 1 or 2), so
// that no file or X connection opened later takes its number and receives
// what is meant for the console.  Nothing to do on Windows.
void guardStandardDescriptors();

// Prepares the console for the program's messages and input.  On Windows a
// console is read and written as Unicode text through the standard streams
// (app/console_streams.h), so that a name typed with č or ž reaches the file
// system and the messages with its letters, whatever the console's code
// page; what C's stdio writes there is taken as UTF-8.  Call after
// std::ios::sync_with_stdio, if at all.
void prepareConsole();

// Ends a program with `status`: on Windows, where waitsForEnter says so, it
// first asks for Enter so that the message can be read.  Returns `status`.
int endProgram(int status);

}  // namespace geometrija
