// The window and its two callbacks.
#pragma once

namespace geometrija {

// Opens the window, fits the camera to the scene's box, registers display and
// reshape and enters GLUT's main loop; returns only if that loop ever does.
// Closing the window ends the process through exit(0), GLUT's default.
// When the camera will show nothing of a scene that holds something (the
// box too large or too small), it first says so in one line on standard
// error, "NAME: ..." with NAME argv[0] without its folder; the window opens
// all the same.
void startGraphics(int argc, char** argv);
// The same with the name the warning begins with (the programs give theirs).
void startGraphics(const char* program, int argc, char** argv);

// The parts of startGraphics, in its order; exposed so that a test can open a
// real window with exactly the same setup and drive the callbacks itself.
void openWindow(int& argc, char** argv);  // GLUT init, window, clear colour
void fitCamera();                         // first projection and model view

void display();
void reshape(int width, int height);

}  // namespace geometrija
