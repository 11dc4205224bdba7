#pragma once

class QPainter;

namespace folia {

class Document;
class PictureLoader;

// Draws the picture of every picture row of the page at its natural size, 3 pixels right
// of the first text column and 3 pixels below the row's top. The files are read again at
// every render, so a missing file is reported each time.
void drawPictures(QPainter& painter, const Document& document, int page, PictureLoader& loader);

} // namespace folia
