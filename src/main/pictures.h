// The window pictures (images.qrc, prefix "/images": splash.jpg, logo.png, pobieranie.png,
// basen.png, the partner's logo partner.png and the 24 x 24 pictures of the tool bar and menu). They are compiled into a static library, so the resource must be registered before
// the first window asks for one; every window that shows one calls this first.
#pragma once

void RegisterWindowPictures();
