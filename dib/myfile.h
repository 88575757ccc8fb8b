#pragma once

// The bitmap module: the image block, its queries, the reader, the palette
// and the painter.
#include "dib/dib_draw.h"
#include "dib/dib_file.h"
#include "dib/dib_handle.h"
#include "dib/dib_layout.h"
#include "dib/dib_painter.h"
#include "dib/dib_palette.h"
#include "dib/dib_queries.h"
#include "dib/dib_read.h"
#include "dib/dib_rect.h"
#include "dib/dib_refusal.h"
#include "dib/palette.h"
