"""Drawing code behind make_art.py: layout tables, primitives, pictures and file formats."""
