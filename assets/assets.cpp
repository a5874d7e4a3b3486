// The pictures live in this library's resources; the library has no code of its own.
namespace assets {
extern const int linked;
const int linked = 1;
} // namespace assets
