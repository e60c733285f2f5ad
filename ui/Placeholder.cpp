// The component framework starts here; this keeps the library non-empty.
namespace ui_placeholder {
int unused = 0;
}
