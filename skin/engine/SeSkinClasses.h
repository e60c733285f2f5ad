#pragma once
// The process-wide table of skin object classes, looked up by exact class
// name when streams are read and when trees are copied.

#include <string>

class TComponent;
class TSeSkinObject;

using TSeSkinObjectFactory = TSeSkinObject* (*)(TComponent* owner);

struct TSeSkinObjectClass {
    std::string name;
    TSeSkinObjectFactory create;
};

// Filled with the seventeen classes on first use.
void AddSkinObjectClass(const std::string& name, TSeSkinObjectFactory create);
// Exact, case-sensitive; null when the class is not listed.
const TSeSkinObjectClass* FindSkinObjectClass(const std::string& name);
int SkinObjectClassCount();
const TSeSkinObjectClass& SkinObjectClassAt(int index);
