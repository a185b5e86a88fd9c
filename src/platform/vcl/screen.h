// The screen: pixels per inch, size, and the table of custom mouse cursors.
#pragma once

#include <map>

#include "vcl_types.h"

#include "win32.h"

namespace vcl {

class TCursorTable {
 public:
  class Slot {
   public:
    // Registers a cursor image under this number, replacing any earlier one; controls
    // showing this number take the new cursor. nullptr removes the entry.
    Slot& operator=(const ::CursorImage* image);
    const ::CursorImage* Image() const;

   private:
    friend class TCursorTable;
    Slot(TCursorTable* table, TCursor number) : table_(table), number_(number) {}
    TCursorTable* table_;
    TCursor number_;
  };

  Slot operator[](TCursor number) { return Slot(this, number); }
  bool Has(TCursor number) const { return images_.count(number) != 0; }

 private:
  std::map<TCursor, const ::CursorImage*> images_;
};

class TScreen {
 public:
  // Screen->Cursors[crHand] = LoadCursorA(HInstance, "HAND");
  TCursorTable Cursors;

  // The desktop's logical pixels per inch (96 when no display is known).
  int PixelsPerInch() const;
  int Width() const;
  int Height() const;
};

extern TScreen* Screen;

}  // namespace vcl
