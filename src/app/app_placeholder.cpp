// Placeholder translation unit of the desktop program's library.
namespace brevant_app {}
