object F: TForm
  object L: TLabel
    Caption = 
      'Text'
  end
end
