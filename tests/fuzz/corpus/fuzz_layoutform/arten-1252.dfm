inherited Arten: TArten
  object Bvl: TBevel
    Width = 11
  end
  object TLABEL
    Caption = 'Größe'
  end
  inline Msk: TMaskEdit [2]
    TabOrder = 4
    Tag = 1
    Height = 17
  end
  object Shp: tshape
  END

end
