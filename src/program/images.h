#pragma once
// The program's images (IMAGE_BACKG, IMAGE_GRAPH, ...) live in a resource file
// linked into a static library, so they are registered explicitly.
namespace zelkor {

// Registers ":/IMAGE_*"; harmless to call more than once.
void InitProgramImages();

}  // namespace zelkor
