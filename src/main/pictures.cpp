#include "main/pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the resource's function where it stands: at global scope here.
static void RegisterImagesResource() {
  Q_INIT_RESOURCE(images);
}

void RegisterWindowPictures() {
  static const bool registered = (RegisterImagesResource(), true);
  (void)registered;
}
