#pragma once

// Gives our plain widgets the roles assistive tools expect: the main window
// is a frame, the eye diagram a picture. Safe to call more than once.
void installAccessibleRoles();
