// The window pictures (images.qrc, prefix "/images": splash.jpg, logo.png, pobieranie.png,
// basen.png). They are compiled into a static library, so the resource must be registered before
// the first window asks for one; every window that shows one calls this first.
#pragma once

void RegisterWindowPictures();
