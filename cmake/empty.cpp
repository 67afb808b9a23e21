// Resources only: the pictures are compiled in beside this file.
