// The translations live in this library's resources; the library needs one
// source of its own to exist.
namespace quillmere::translations {
[[maybe_unused]] constexpr int kLanguages = 9;
}  // namespace quillmere::translations
