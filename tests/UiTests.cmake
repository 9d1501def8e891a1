# Window tests (offscreen); filled in with the windows.
