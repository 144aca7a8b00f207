// OpenMayaFX: the host's dynamics library. The plug-in links it as it does on
// the real host, but calls nothing in it, so the stand-in library is empty.
namespace kavo::host::fx {
}
