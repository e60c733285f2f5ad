#include "SkinInfo.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"

#include <ostream>
#include <string>

namespace {

const char* alignName(TSeAlign align)
{
    return int(align) < SeAlignNames.count ? SeAlignNames.names[align] : "?";
}

int countObjects(const TSeSkinObject& object)
{
    int count = 1;
    for (int i = 0; i < object.ChildCount(); ++i)
        count += countObjects(*object.Child(i));
    return count;
}

void printTree(const TSeSkinObject& object, int depth, std::ostream& out)
{
    const RECT r = object.BoundsRect();
    out << std::string(std::size_t(2 + depth * 2), ' ') << (object.Name().empty() ? "(unnamed)" : object.Name())
        << ": " << object.ClassName() << "  (" << r.left << ", " << r.top << ") " << object.Width() << " x "
        << object.Height() << "  " << alignName(object.Align());
    if (object.Kind() != skNone && int(object.Kind()) < SeKindNames.count)
        out << "  " << SeKindNames.names[object.Kind()];
    out << '\n';
    for (int i = 0; i < object.ChildCount(); ++i)
        printTree(*object.Child(i), depth + 1, out);
}

} // namespace

void PrintSkinInfo(const TSeSkinSource& source, std::ostream& out)
{
    out << "SkinName:    " << source.SkinName() << '\n'
        << "SkinVersion: " << source.SkinVersion() << '\n'
        << "Author:      " << source.Author() << '\n'
        << "AuthorEMail: " << source.AuthorEMail() << '\n'
        << "AuthorURL:   " << source.AuthorURL() << '\n';

    out << "\nBitmaps: " << source.Bitmaps().Count() << '\n';
    for (int i = 0; i < source.Bitmaps().Count(); ++i) {
        const TSeBitmap& bitmap = *source.Bitmaps().Items(i);
        out << "  " << i << "  " << bitmap.Name() << "  " << bitmap.Width() << " x " << bitmap.Height() << '\n';
    }

    int total = 0;
    for (int i = 0; i < source.Count(); ++i)
        total += countObjects(source.StoredObject(i));
    out << "\nObjects: " << source.Count() << " top-level, " << total << " in all\n";
    for (int i = 0; i < source.Count(); ++i)
        printTree(source.StoredObject(i), 0, out);
}
